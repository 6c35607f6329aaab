#include "gui/accounts/AccountDialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace korvant::gui {

MainAccountLinkDialog::MainAccountLinkDialog(MainAccountLinkForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("添加主账号"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("可选主账号:"),
                   bindChoice(new QComboBox(this), form.accounts, form.selected));
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
}

}  // namespace korvant::gui
