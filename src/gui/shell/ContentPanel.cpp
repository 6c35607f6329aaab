#include "gui/shell/ContentPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/shell/AccessKeys.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/FindOrNull.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/SearchBar.h"
#include "model/AccountColumns.h"

// Registers the resources compiled into the desk's static library (a
// static library's resources are not registered by themselves).
static void ensureDeskResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(desk);
        return true;
    }();
    (void)done;
}

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

    // The buttons on the left; the search bar beside the toolbar, not in it,
    // so that a narrow window never hides it behind the toolbar's overflow.
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const ToolbarButton& entry : toolbarButtons()) {
        auto* action = new QAction(toolbarIcon(entry), QString::fromUtf8(entry.caption), this);
        // The button's caption with its access key: "新建(N)", Alt+N.
        if (entry.key != 0)
            action->setIconText(withAccessKey(QString::fromUtf8(entry.caption),
                                              QLatin1Char(entry.key)));
        if (entry.toolTip != nullptr) action->setToolTip(QString::fromUtf8(entry.toolTip));
        toolBar_->addAction(action);
        toolActions_[entry.code] = action;
        toolButtons_[entry.code] = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action));
    }
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 4, 0);
    top->setSpacing(4);
    top->addWidget(toolBar_);
    top->addStretch(1);
    top->addWidget(searchBar_);
    layout->addLayout(top);

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
    for (AccountList which : {AccountList::MainAccounts, AccountList::Administrators,
                              AccountList::MainAccountLinks, AccountList::SubAccounts})
        lists_[which] = new AccountListView(this);
    for (auto& [which, view] : lists_) pages_->addWidget(view);
    layout->addWidget(pages_, 1);
    layout->addWidget(pager_);
}

QIcon toolbarIcon(const ToolbarButton& entry) {
    ensureDeskResources();
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(entry.ownIcon)));
    if (entry.themeIcon == nullptr) return own;
    return QIcon::fromTheme(QString::fromLatin1(entry.themeIcon), own);
}

QAction* ContentPanel::toolAction(ToolbarCode code) const {
    return findOrNull(toolActions_, code);
}

void ContentPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitToolbar();
}

void ContentPanel::fitToolbar() {
    // The captions beside the icons while the search bar has room, the
    // icons alone (captions as tooltips) when the panel is narrower.
    if (textToolbarWidth_ == 0) {
        toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        textToolbarWidth_ = toolBar_->sizeHint().width();
    }
    const bool room = textToolbarWidth_ + searchBar_->sizeHint().width() + 8 <= width();
    toolBar_->setToolButtonStyle(room ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
}

QToolButton* ContentPanel::toolButton(ToolbarCode code) const {
    return findOrNull(toolButtons_, code);
}

QTabBar* ContentPanel::viewStrip(ViewKind view) const {
    return findOrNull(viewStrips_, view);
}

AccountListView* ContentPanel::list(AccountList which) const {
    return findOrNull(lists_, which);
}

void ContentPanel::setViewPage(ViewKind view, QWidget* page) {
    // A view may show several pages in turn (the report tabs): each page
    // stays in the stack once added, so that it can be shown again.
    viewPages_[view] = page;
    if (pages_->indexOf(page) < 0) pages_->addWidget(page);
}

QWidget* ContentPanel::viewPage(ViewKind view) const {
    return findOrNull(viewPages_, view);
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
