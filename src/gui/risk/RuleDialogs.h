#pragma once

#include <QDialog>

#include <array>
#include <exception>
#include <functional>

#include "gui/widgets/CoreCallDialog.h"
#include "gui/widgets/FormDialog.h"
#include "risk/RuleAssignment.h"
#include "risk/RuleForms.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimeEdit;
class QTreeWidget;

namespace korvant::gui {

// The four exchanges with one multi-select product list each.
class ProductLists : public QWidget {
    Q_OBJECT
public:
    ProductLists(const std::vector<ExchangeProducts>& exchanges, QWidget* parent);
    void select(const std::vector<std::string>& products);
    std::vector<std::string> selected() const;
    // The list of the exchange shown, and every list.
    QListWidget* shownList() const;
    const std::vector<QListWidget*>& lists() const { return lists_; }

private:
    QTreeWidget* exchanges_;
    QStackedWidget* stack_;
    std::vector<QListWidget*> lists_;
};

// "交易品种": the products of category-2 rules.
class ProductRuleDialog : public FormDialog {
    Q_OBJECT
public:
    ProductRuleDialog(ProductRuleForm& form, QWidget* parent);

protected:
    void readForm() override;
    void writeForm() override;

private:
    ProductRuleForm& form_;
    ProductLists* products_;
    QLineEdit* name_;
    QTimeEdit* start_;
    QTimeEdit* end_;
    QCheckBox* forbidOpen_;
    QCheckBox* forbidClose_;
};

// The dialog of every other category, its controls chosen by the kind.
class GenericRuleDialog : public FormDialog {
    Q_OBJECT
public:
    GenericRuleDialog(GenericRuleForm& form, QWidget* parent);
    QListWidget* kinds() const { return kinds_; }
    QLineEdit* parameter(int index) const { return parameters_[static_cast<std::size_t>(index)]; }

protected:
    void readForm() override;
    void writeForm() override;

private:
    void showControls();
    void redrawKinds();
    void pickScope();

    GenericRuleForm& form_;
    QListWidget* kinds_;
    QLabel* scopeLabel_;
    QLineEdit* scope_;
    QPushButton* pickProducts_;
    QPushButton* pickExchanges_;
    std::array<QWidget*, 6> parameterRows_{};
    std::array<QLineEdit*, 6> parameters_{};
    QWidget* windowRow_;
    QTimeEdit* start_;
    QTimeEdit* end_;
    QWidget* flagsRow_;
    QCheckBox* forbidOpen_;
    QCheckBox* forbidClose_;
    QWidget* forceRow_;
    QCheckBox* notify_;
    QSpinBox* minutes_;
    QCheckBox* forceClose_;
    QSpinBox* percent_;
    QLineEdit* name_;
    bool drawing_ = false;
};

// "选择品种" and "选择交易所".
class ProductPickerDialog : public FormDialog {
    Q_OBJECT
public:
    ProductPickerDialog(ProductPickerForm& form, QWidget* parent);

protected:
    void readForm() override;
    void writeForm() override;

private:
    ProductPickerForm& form_;
    ProductLists* products_;
};

class ExchangePickerDialog : public FormDialog {
    Q_OBJECT
public:
    ExchangePickerDialog(ExchangePickerForm& form, QWidget* parent);

protected:
    void readForm() override;
    void writeForm() override;

private:
    ExchangePickerForm& form_;
    std::array<QCheckBox*, 4> boxes_{};
};

// "风控设置(…)": the warehouse by category on the left, the target's loaded
// rules on the right, and the buttons between and below. Every button calls
// the core; the lists are drawn from it afterwards.
class RuleAssignmentDialog : public CoreCallDialog {
    Q_OBJECT
public:
    RuleAssignmentDialog(RuleAssignmentForm& form, QWidget* parent);
    bool run();

    QTreeWidget* categories() const { return categories_; }
    QListWidget* available() const { return available_; }
    QListWidget* loaded() const { return loaded_; }
    void load();
    void unload();
    void move(bool up);
    void redraw();

private:
    std::vector<int32_t> selectedIds(QListWidget* list) const;
    RuleAssignmentForm& form_;
    QTreeWidget* categories_;
    QListWidget* available_;
    QListWidget* loaded_;
};

}  // namespace korvant::gui
