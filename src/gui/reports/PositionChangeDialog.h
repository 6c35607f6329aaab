#pragma once

#include "gui/widgets/FormDialog.h"
#include "reports/trading/PositionChange.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace korvant::gui {

// "修改选中的持仓": "修改持仓数量:" enabling the volume, "修改投保类型:" enabling
// the list "投机", "套利", "保值"; both start unticked.
class PositionChangeDialog : public FormDialog {
    Q_OBJECT
public:
    PositionChangeDialog(PositionChangeForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    PositionChangeForm& form_;
    QCheckBox* changeVolume_;
    QSpinBox* volume_;
    QCheckBox* changeHedge_;
    QComboBox* hedge_;
};

}  // namespace korvant::gui
