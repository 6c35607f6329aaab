#include "gui/reports/PositionChangeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

#include "reports/trading/TradingCodes.h"

namespace korvant::gui {

PositionChangeDialog::PositionChangeDialog(PositionChangeForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      changeVolume_(new QCheckBox(QStringLiteral("修改持仓数量:"), this)),
      volume_(new QSpinBox(this)),
      changeHedge_(new QCheckBox(QStringLiteral("修改投保类型:"), this)),
      hedge_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("修改选中的持仓"));
    changeVolume_->setObjectName(QStringLiteral("changeVolume"));
    volume_->setObjectName(QStringLiteral("volume"));
    changeHedge_->setObjectName(QStringLiteral("changeHedge"));
    hedge_->setObjectName(QStringLiteral("hedge"));
    volume_->setRange(0, std::numeric_limits<int>::max());
    for (const char* choice : HedgeChoices) hedge_->addItem(QString::fromUtf8(choice));
    connect(changeVolume_, &QCheckBox::toggled, volume_, &QWidget::setEnabled);
    connect(changeHedge_, &QCheckBox::toggled, hedge_, &QWidget::setEnabled);

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    fields->addWidget(changeVolume_, 0, 0);
    fields->addWidget(volume_, 0, 1);
    fields->addWidget(changeHedge_, 1, 0);
    fields->addWidget(hedge_, 1, 1);
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
}

void PositionChangeDialog::readForm() {
    changeVolume_->setChecked(form_.changeVolume);
    volume_->setValue(form_.volume);
    volume_->setEnabled(form_.changeVolume);
    changeHedge_->setChecked(form_.changeHedge);
    hedge_->setCurrentIndex(form_.hedgeIndex);
    hedge_->setEnabled(form_.changeHedge);
}

void PositionChangeDialog::writeForm() {
    form_.changeVolume = changeVolume_->isChecked();
    form_.volume = volume_->value();
    form_.changeHedge = changeHedge_->isChecked();
    form_.hedgeIndex = hedge_->currentIndex();
}

}  // namespace korvant::gui
