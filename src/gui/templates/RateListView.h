#pragma once

#include <QTableView>

#include <functional>

#include "templates/TemplateKind.h"

namespace korvant {
class Desk;
}

namespace korvant::gui {

class ActionHooks;
class ReportPageModel;

// The rate list of one template kind: it draws the core's rate page and
// keeps the core's chosen row current; its pop-up offers the rate dialog.
class RateListView : public QTableView {
    Q_OBJECT
public:
    RateListView(Desk& desk, const TemplateKind& kind, ActionHooks& hooks,
                 QWidget* parent = nullptr);
    ~RateListView() override;

    // Draws the page's columns, rows and enabled state.
    void redraw();
    ReportPageModel* tableModel() const { return model_; }

private:
    Desk& desk_;
    const TemplateKind& kind_;
    ReportPageModel* model_;
    int observer_ = 0;
};

}  // namespace korvant::gui
