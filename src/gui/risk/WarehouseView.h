#pragma once

#include <QWidget>

class QTableView;

namespace korvant {
class Desk;
}

namespace korvant::gui {

class MainWindow;

// The page of the "风险控制设置" view: the warehouse page ("风控仓库") of
// the category chosen in the tree, redrawn whenever the rules change. A
// double-click modifies the rule.
class WarehouseView : public QWidget {
    Q_OBJECT
public:
    WarehouseView(MainWindow& window, QWidget* parent = nullptr);
    ~WarehouseView() override;
    QTableView* table() const { return table_; }
    void redraw();

private:
    // The rule of the one selected row becomes the page's selected rule.
    void takeSelection();

    MainWindow& window_;
    Desk& desk_;
    QTableView* table_;
    int observer_ = 0;
};

// Puts the page under the view and the group tree's pop-up entry in place.
void installRiskView(MainWindow& window);

}  // namespace korvant::gui
