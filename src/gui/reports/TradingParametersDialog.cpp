#include "gui/reports/TradingParametersDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/widgets/QtText.h"

namespace korvant::gui {

TradingParametersDialog::TradingParametersDialog(TradingParametersForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      tabs_(new QTabBar(this)),
      pages_(new QStackedWidget(this)),
      exchanges_(new QTreeWidget(this)),
      listStack_(new QStackedWidget(this)),
      note_(new QLabel(this)),
      positionProfit_(new QComboBox(this)),
      closeProfit_(new QComboBox(this)),
      overTrading_(new QLineEdit(this)),
      autoSettle_(new QLineEdit(this)),
      windowStart_(new QLineEdit(this)),
      windowEnd_(new QLineEdit(this)),
      fundRate_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("交易参数"));
    for (const char* caption : closeTodayTabCaptions()) tabs_->addTab(qs(caption));
    tabs_->addTab(QStringLiteral(" 其它参数 "));

    // The variety picker shared by the two list tabs.
    auto* picker = new QWidget(this);
    exchanges_->setHeaderHidden(true);
    for (const PickerExchange& e : pickerExchanges())
        exchanges_->addTopLevelItem(new QTreeWidgetItem(QStringList{qs(e.caption)}));
    for (int tab = 0; tab < 2; ++tab)
        for (int e = 0; e < 3; ++e) {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::MultiSelection);
            list->setObjectName(QStringLiteral("list%1%2").arg(tab).arg(e));
            lists_[tab][e] = list;
            listStack_->addWidget(list);
        }
    auto* pickerRow = new QHBoxLayout;
    pickerRow->addWidget(exchanges_);
    pickerRow->addWidget(listStack_, 1);
    auto* pickerLayout = new QVBoxLayout(picker);
    pickerLayout->addLayout(pickerRow, 1);
    pickerLayout->addWidget(note_);
    connect(exchanges_, &QTreeWidget::currentItemChanged, this, [this] { showPicker(); });

    // " 其它参数 "
    auto* other = new QWidget(this);
    for (const char* caption : positionProfitModeCaptions()) positionProfit_->addItem(qs(caption));
    for (const char* caption : closeProfitModeCaptions()) closeProfit_->addItem(qs(caption));
    overTrading_->setObjectName(QStringLiteral("overTrading"));
    autoSettle_->setObjectName(QStringLiteral("autoSettle"));
    windowStart_->setObjectName(QStringLiteral("windowStart"));
    windowEnd_->setObjectName(QStringLiteral("windowEnd"));
    fundRate_->setObjectName(QStringLiteral("fundRate"));
    auto* window = new QHBoxLayout;
    window->addWidget(windowStart_);
    window->addWidget(new QLabel(QStringLiteral("至"), this));
    window->addWidget(windowEnd_);
    auto* fields = new QFormLayout(other);
    fields->addRow(QStringLiteral("持仓盈亏计入可用:"), positionProfit_);
    fields->addRow(QStringLiteral("平仓盈利计入可用:"), closeProfit_);
    fields->addRow(QStringLiteral("中金所过度交易标准:"), overTrading_);
    fields->addRow(QStringLiteral("自动结算时间(0表示不自动结算):"), autoSettle_);
    fields->addRow(QStringLiteral("可结算时段:"), window);
    // The fund rate travels and is checked, but is not shown.
    auto* fundLabel = new QLabel(QStringLiteral("投资者保障基金比率(千万分之):"), this);
    fields->addRow(fundLabel, fundRate_);
    fundLabel->hide();
    fundRate_->hide();
    fields->addRow(new QLabel(QStringLiteral("以上时间格式均为HHMM，例如 1605 代表 16:05"), this));

    pages_->addWidget(picker);
    pages_->addWidget(other);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        pages_->setCurrentIndex(index < 2 ? 0 : 1);
        if (index < 2) showPicker();
    });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确认"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    exchanges_->setCurrentItem(exchanges_->topLevelItem(0));
    resize(560, 420);
}

void TradingParametersDialog::showPicker() {
    const int tab = tabs_->currentIndex() < 2 ? tabs_->currentIndex() : 0;
    const int exchange = std::max(0, exchanges_->indexOfTopLevelItem(exchanges_->currentItem()));
    listStack_->setCurrentWidget(lists_[tab][exchange]);
    note_->setText(qs(closeTodayNotes()[static_cast<std::size_t>(tab)]));
}

QLineEdit* TradingParametersDialog::field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromUtf8(name));
}

void TradingParametersDialog::readForm() {
    for (int tab = 0; tab < 2; ++tab)
        for (int e = 0; e < 3; ++e) {
            QListWidget* list = lists_[tab][e];
            list->clear();
            const auto& codes = form_.varieties[static_cast<std::size_t>(e)];
            const auto& selected =
                form_.selected[static_cast<std::size_t>(tab)][static_cast<std::size_t>(e)];
            for (std::size_t i = 0; i < codes.size(); ++i) {
                auto* item = new QListWidgetItem(QString::fromStdString(codes[i]), list);
                item->setSelected(i < selected.size() && selected[i]);
            }
        }
    positionProfit_->setCurrentIndex(form_.positionProfitMode);
    closeProfit_->setCurrentIndex(form_.closeProfitMode);
    overTrading_->setText(QString::fromStdString(form_.overTradingStandard));
    autoSettle_->setText(QString::fromStdString(form_.autoSettleTime));
    windowStart_->setText(QString::fromStdString(form_.settleWindowStart));
    windowEnd_->setText(QString::fromStdString(form_.settleWindowEnd));
    fundRate_->setText(QString::fromStdString(form_.protectionFundRate));
    showPicker();
}

void TradingParametersDialog::writeForm() {
    for (int tab = 0; tab < 2; ++tab)
        for (int e = 0; e < 3; ++e) {
            QListWidget* list = lists_[tab][e];
            auto& selected =
                form_.selected[static_cast<std::size_t>(tab)][static_cast<std::size_t>(e)];
            selected.assign(static_cast<std::size_t>(list->count()), false);
            for (int i = 0; i < list->count(); ++i)
                selected[static_cast<std::size_t>(i)] = list->item(i)->isSelected();
        }
    form_.positionProfitMode = positionProfit_->currentIndex();
    form_.closeProfitMode = closeProfit_->currentIndex();
    form_.overTradingStandard = overTrading_->text().toStdString();
    form_.autoSettleTime = autoSettle_->text().toStdString();
    form_.settleWindowStart = windowStart_->text().toStdString();
    form_.settleWindowEnd = windowEnd_->text().toStdString();
    form_.protectionFundRate = fundRate_->text().toStdString();
}

}  // namespace korvant::gui
