#include "gui/widgets/FormDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "gui/widgets/DateFields.h"
#include "gui/widgets/FieldWidths.h"

namespace korvant::gui {

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {}

bool FormDialog::run() {
    for (const Binding& binding : bindings_) binding.read();
    readForm();
    fitFieldWidths(this);
    orderTabsAsLaidOut(this);
    focusFirstEditableField();
    return exec() == QDialog::Accepted;
}

void FormDialog::focusFirstEditableField() {
    // The first field in tab order that takes typing: read-only fields,
    // disabled ones and buttons are passed over.
    QWidget* widget = this;
    for (int steps = 0; steps < 500; ++steps) {
        widget = widget->nextInFocusChain();
        if (widget == nullptr || widget == this) return;
        if (!isAncestorOf(widget) || !widget->isEnabled() || !widget->isVisibleTo(this)) continue;
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (qobject_cast<QAbstractButton*>(widget) != nullptr) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && edit->isReadOnly())
            continue;
        widget->setFocus(Qt::TabFocusReason);
        return;
    }
}

void FormDialog::writeFields() {
    for (const Binding& binding : bindings_) binding.write();
    writeForm();
}

QLineEdit* FormDialog::bindText(QLineEdit* edit, std::string& value) {
    bindings_.push_back({[edit, &value] { edit->setText(QString::fromStdString(value)); },
                         [edit, &value] { value = edit->text().toStdString(); }});
    return edit;
}

QCheckBox* FormDialog::bindCheck(QCheckBox* box, bool& value) {
    bindings_.push_back(
        {[box, &value] { box->setChecked(value); }, [box, &value] { value = box->isChecked(); }});
    return box;
}

QDateEdit* FormDialog::bindDate(QDateEdit* edit, int32_t& ymd) {
    setUpDateField(edit);
    bindings_.push_back({[edit, &ymd] { edit->setDate(dateOfYmd(ymd)); },
                         [edit, &ymd] { ymd = ymdOfDate(edit->date()); }});
    return edit;
}

QComboBox* FormDialog::bindChoice(QComboBox* box, const std::vector<std::string>& entries,
                                  int& index) {
    bindings_.push_back({[box, &entries, &index] {
                             box->clear();
                             for (const std::string& entry : entries)
                                 box->addItem(QString::fromStdString(entry));
                             box->setCurrentIndex(index);
                         },
                         [box, &index] { index = box->currentIndex(); }});
    return box;
}

void FormDialog::accept() {
    writeFields();
    form_.refusedField.clear();
    if (validator_ && !validator_(form_)) {
        focusRefusedField();
        refused();
        return;
    }
    QDialog::accept();
}

void FormDialog::focusRefusedField() {
    if (form_.refusedField.empty()) return;
    auto* field = findChild<QWidget*>(QString::fromStdString(form_.refusedField));
    if (field == nullptr || !field->isEnabled()) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

namespace {

// The widgets of `layout` in reading order: rows from the top, and within a
// row from the left; a widget with a layout of its own (a row of fields, a
// button box) contributes its widgets in their order.
void collectLaidOut(QLayout* layout, std::vector<QWidget*>& widgets) {
    struct Placed {
        int row;
        int column;
        QLayoutItem* item;
    };
    std::vector<Placed> items;
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0;
        int column = i;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            QFormLayout::ItemRole role{};
            form->getItemPosition(i, &row, &role);
            column = static_cast<int>(role);
        } else if (auto* box = qobject_cast<QBoxLayout*>(layout);
                   box != nullptr && (box->direction() == QBoxLayout::TopToBottom ||
                                      box->direction() == QBoxLayout::BottomToTop)) {
            row = i;
            column = 0;
        }
        items.push_back({row, column, layout->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed& placed : items) {
        if (QLayout* inner = placed.item->layout()) {
            collectLaidOut(inner, widgets);
        } else if (QWidget* widget = placed.item->widget()) {
            if (widget->layout() != nullptr)
                collectLaidOut(widget->layout(), widgets);
            else if (widget->focusPolicy() & Qt::TabFocus)
                widgets.push_back(widget);
        }
    }
}

}  // namespace

void orderTabsAsLaidOut(QWidget* dialog) {
    if (dialog->layout() == nullptr) return;
    std::vector<QWidget*> widgets;
    collectLaidOut(dialog->layout(), widgets);
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void addOkCancelButtons(QDialog* dialog, QLayout* layout) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

void addButtonRow(QDialog* dialog, QBoxLayout* layout, QPushButton* accept, QPushButton* reject) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    accept->setDefault(true);
    buttons->addWidget(accept);
    buttons->addWidget(reject);
    layout->addLayout(buttons);
    QObject::connect(accept, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(reject, &QPushButton::clicked, dialog, &QDialog::reject);
}

}  // namespace korvant::gui
