#pragma once

#include <array>

#include "gui/widgets/FormDialog.h"
#include "reports/params/TradingParametersForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTabBar;
class QTreeWidget;

namespace korvant::gui {

// "交易参数": the tabs " 平今手续费减半 ", " 平今手续费不收 " (one variety
// picker: the exchange tree and the lists of the selected tab) and
// " 其它参数 "; "确认" runs the core's checks, "取消" closes.
class TradingParametersDialog : public FormDialog {
    Q_OBJECT
public:
    TradingParametersDialog(TradingParametersForm& form, QWidget* parent = nullptr);

    QTabBar* tabs() const { return tabs_; }
    QTreeWidget* exchanges() const { return exchanges_; }
    // The list of one tab (0, 1) and exchange (0..2).
    QListWidget* list(int tab, int exchange) const { return lists_[tab][exchange]; }
    QLineEdit* field(const char* name) const;
    QComboBox* positionProfit() const { return positionProfit_; }
    QComboBox* closeProfit() const { return closeProfit_; }

protected:
    void readForm() override;
    void writeForm() override;

private:
    void showPicker();

    TradingParametersForm& form_;
    QTabBar* tabs_;
    QStackedWidget* pages_;
    QTreeWidget* exchanges_;
    QStackedWidget* listStack_;
    QLabel* note_;
    std::array<std::array<QListWidget*, 3>, 2> lists_{};
    QComboBox* positionProfit_;
    QComboBox* closeProfit_;
    QLineEdit* overTrading_;
    QLineEdit* autoSettle_;
    QLineEdit* windowStart_;
    QLineEdit* windowEnd_;
    QLineEdit* fundRate_;
};

}  // namespace korvant::gui
