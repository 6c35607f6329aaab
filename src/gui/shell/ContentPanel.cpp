#include "gui/shell/ContentPanel.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/shell/AccountListView.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/SearchBar.h"
#include "model/AccountColumns.h"

namespace korvant::gui {
namespace {

QTabBar* makeStrip(QWidget* parent, std::initializer_list<const char*> captions) {
    auto* strip = new QTabBar(parent);
    strip->setExpanding(false);
    strip->setDrawBase(true);
    for (const char* caption : captions) strip->addTab(QString::fromUtf8(caption));
    strip->hide();
    return strip;
}

}  // namespace

ContentPanel::ContentPanel(QWidget* parent)
    : QWidget(parent),
      toolBar_(new QToolBar(this)),
      searchBar_(new SearchBar(this)),
      pages_(new QStackedWidget(this)),
      emptyPage_(new QWidget(this)),
      pager_(new PagerBar(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolbarButton& entry : toolbarButtons()) {
        auto* button = new QToolButton(toolBar_);
        button->setText(QString::fromUtf8(entry.caption));
        if (entry.toolTip != nullptr) button->setToolTip(QString::fromUtf8(entry.toolTip));
        button->setAutoRaise(true);
        toolBar_->addWidget(button);
        toolButtons_[entry.code] = button;
    }
    auto* spacer = new QWidget(toolBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);
    toolBar_->addWidget(searchBar_);
    layout->addWidget(toolBar_);

    twoTab_ = makeStrip(this, {" 主账号 ", " 管理员 "});
    threeTab_ = makeStrip(this, {" 主账号 ", " 管理员 ", " 子账号 "});
    viewStrips_[ViewKind::Reports] =
        makeStrip(this, {" 结算单 ", " 账户资金 ", " 出入金记录 ", " 成交记录 ", " 委托记录 ",
                         " 净值 ", " 持仓记录 "});
    viewStrips_[ViewKind::FeeRates] = makeStrip(this, {"手续费率"});
    viewStrips_[ViewKind::MarginRates] = makeStrip(this, {"保证金率"});
    viewStrips_[ViewKind::Risk] = makeStrip(this, {"风控仓库"});
    layout->addWidget(twoTab_);
    layout->addWidget(threeTab_);
    for (auto& [view, strip] : viewStrips_) layout->addWidget(strip);

    pages_->addWidget(emptyPage_);
    lists_[AccountList::MainAccounts] = new AccountListView(mainAccountListColumns(), this);
    lists_[AccountList::Administrators] = new AccountListView(administratorListColumns(), this);
    lists_[AccountList::MainAccountLinks] = new AccountListView(mainAccountLinkListColumns(), this);
    lists_[AccountList::SubAccounts] = new AccountListView(subAccountListColumns(), this);
    for (auto& [which, view] : lists_) pages_->addWidget(view);
    layout->addWidget(pages_, 1);
    layout->addWidget(pager_);
}

QToolButton* ContentPanel::toolButton(ToolbarCode code) const {
    auto it = toolButtons_.find(code);
    return it == toolButtons_.end() ? nullptr : it->second;
}

QTabBar* ContentPanel::viewStrip(ViewKind view) const {
    auto it = viewStrips_.find(view);
    return it == viewStrips_.end() ? nullptr : it->second;
}

AccountListView* ContentPanel::list(AccountList which) const {
    auto it = lists_.find(which);
    return it == lists_.end() ? nullptr : it->second;
}

void ContentPanel::setViewPage(ViewKind view, QWidget* page) {
    if (auto it = viewPages_.find(view); it != viewPages_.end()) {
        pages_->removeWidget(it->second);
        it->second->deleteLater();
    }
    viewPages_[view] = page;
    pages_->addWidget(page);
}

QWidget* ContentPanel::viewPage(ViewKind view) const {
    auto it = viewPages_.find(view);
    return it == viewPages_.end() ? nullptr : it->second;
}

void ContentPanel::showView(ViewKind view, TabStrip strip, AccountList shown) {
    bool accounts = view == ViewKind::Accounts;
    twoTab_->setVisible(accounts && strip == TabStrip::TwoTab);
    threeTab_->setVisible(accounts && strip == TabStrip::ThreeTab);
    for (auto& [kind, bar] : viewStrips_) bar->setVisible(kind == view);
    QWidget* page = emptyPage_;
    if (accounts) {
        if (AccountListView* l = list(shown)) page = l;
    } else if (QWidget* p = viewPage(view)) {
        page = p;
    }
    pages_->setCurrentWidget(page);
    pager_->setVisible(view != ViewKind::None);
}

QWidget* ContentPanel::currentPage() const {
    return pages_->currentWidget();
}

}  // namespace korvant::gui
