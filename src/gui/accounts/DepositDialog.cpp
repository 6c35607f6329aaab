#include "gui/accounts/DepositDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"
#include "text/AmountInWords.h"
#include "text/NumberText.h"

namespace korvant::gui {

DepositDialog::DepositDialog(DepositForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      holder_(new QLineEdit(this)),
      deposit_(new QRadioButton(QStringLiteral("入金"), this)),
      withdrawal_(new QRadioButton(QStringLiteral("出金"), this)),
      remarkRow_(new QWidget(this)),
      remark_(new QLineEdit(remarkRow_)),
      countInHistory_(new QCheckBox(QStringLiteral("计入历史总计出入金"), this)),
      equity_(new QLabel(this)),
      available_(new QLabel(this)),
      priority_(new QLabel(this)),
      startInvestment_(new QLabel(this)),
      depositable_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("出入金"));
    holder_->setReadOnly(true);
    // Shown for reference: Tab passes it over.
    holder_->setFocusPolicy(Qt::ClickFocus);
    holder_->setObjectName(QStringLiteral("holder"));
    remark_->setValidator(new GbkLengthValidator(63, remark_));
    remark_->setObjectName(QStringLiteral("remark"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("账    号:"), holder_);
    auto* direction = new QHBoxLayout;
    direction->addWidget(deposit_);
    direction->addWidget(withdrawal_);
    top->addRow(QStringLiteral("转账方向:"), direction);
    layout->addLayout(top);

    const char* names[3] = {"available", "priority", "startInvestment"};
    for (std::size_t i = 0; i < amounts_.size(); ++i) {
        amountRows_[i] = new QWidget(this);
        auto* row = new QHBoxLayout(amountRows_[i]);
        row->setContentsMargins(0, 0, 0, 0);
        captions_[i] = new QLabel(amountRows_[i]);
        amounts_[i] = numberEdit(amountRows_[i], DepositForm::AmountInput, names[i]);
        amounts_[i]->setMinimumWidth(
            amounts_[i]->fontMetrics().horizontalAdvance(QStringLiteral("999999999999.99")) + 16);
        words_[i] = new QLabel(amountRows_[i]);
        words_[i]->setObjectName(QString::fromUtf8(names[i]) + QStringLiteral("InWords"));
        // A long amount in words wraps instead of squeezing the field.
        words_[i]->setWordWrap(true);
        words_[i]->setMinimumWidth(90);
        row->addWidget(captions_[i]);
        row->addWidget(amounts_[i]);
        row->addWidget(words_[i], 1);
        layout->addWidget(amountRows_[i]);
        QLabel* words = words_[i];
        connect(amounts_[i], &QLineEdit::textChanged, this, [words](const QString& text) {
            words->setText(text.isEmpty() ? QString()
                                          : QString::fromStdString(
                                                amountInWords(readLenient(text.toStdString()))));
        });
    }
    auto* remarkLayout = new QFormLayout(remarkRow_);
    remarkLayout->setContentsMargins(0, 0, 0, 0);
    remarkLayout->addRow(QStringLiteral("备注(可不填):"), remark_);
    layout->addWidget(remarkRow_);
    layout->addWidget(countInHistory_);
    for (QLabel* line : {equity_, available_, priority_, startInvestment_, depositable_})
        layout->addWidget(line);
    layout->addWidget(new QLabel(QStringLiteral("优先资金、期初投入可用于风控计算。"), this));

    addOkCancelButtons(this, layout);
    connect(deposit_, &QRadioButton::toggled, this, [this] { relabel(); });
}

void DepositDialog::relabel() {
    const auto captions =
        depositAmountCaptions(withdrawal_->isChecked() ? DepositDirectionOut : DepositDirectionIn);
    for (std::size_t i = 0; i < captions_.size(); ++i)
        captions_[i]->setText(QString::fromStdString(captions[i]));
}

void DepositDialog::readForm() {
    holder_->setText(QString::fromStdString(form_.holder));
    (form_.direction == DepositDirectionOut ? withdrawal_ : deposit_)->setChecked(true);
    relabel();
    amounts_[0]->setText(QString::fromStdString(form_.availableText));
    amounts_[1]->setText(QString::fromStdString(form_.priorityText));
    amounts_[2]->setText(QString::fromStdString(form_.startInvestmentText));
    remark_->setText(QString::fromStdString(form_.remark));
    countInHistory_->setChecked(form_.countInHistory);

    const DepositView view = depositView(form_);
    equity_->setText(QString::fromStdString(view.equityLine));
    available_->setText(QString::fromStdString(view.availableLine));
    priority_->setText(QString::fromStdString(view.priorityLine));
    startInvestment_->setText(QString::fromStdString(view.startInvestmentLine));
    depositable_->setText(QString::fromStdString(view.depositableLine));
    equity_->setVisible(view.showEquity);
    amountRows_[1]->setVisible(view.showPriorityRows);
    amountRows_[2]->setVisible(view.showPriorityRows);
    priority_->setVisible(view.showPriorityRows);
    startInvestment_->setVisible(view.showPriorityRows);
    depositable_->setVisible(view.showDepositable);
    countInHistory_->setVisible(view.showHistoryBox);
    remarkRow_->setVisible(view.showRemark);
}

void DepositDialog::writeForm() {
    form_.direction = withdrawal_->isChecked() ? DepositDirectionOut : DepositDirectionIn;
    form_.availableText = amounts_[0]->text().toStdString();
    form_.priorityText = amounts_[1]->text().toStdString();
    form_.startInvestmentText = amounts_[2]->text().toStdString();
    form_.remark = remark_->text().toStdString();
    form_.countInHistory = countInHistory_->isChecked();
}

}  // namespace korvant::gui
