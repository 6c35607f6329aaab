#include "gui/shell/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <utility>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/KeepAlive.h"
#include "app/forms/SearchFilter.h"
#include "app/lists/AccountListSort.h"
#include "app/lists/AdvancedSearch.h"
#include "app/lists/ReportTree.h"
#include "app/pages/RememberedDates.h"
#include "app/session/BuildVersion.h"
#include "app/session/Login.h"
#include "gui/shell/AccessKeys.h"
#include "gui/shell/AccountListController.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/CoreCalls.h"
#include "gui/shell/DeskHelp.h"
#include "gui/shell/DeskMemory.h"
#include "gui/shell/DeskRedraw.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/NavigationTrees.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/SearchBar.h"
#include "gui/shell/StatusPanel.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/OwnAccessKeys.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportQueryTab.h"
#include "local/ShippedFiles.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateTree.h"
#include "templates/TemplateViews.h"
#include "view/AccountLists.h"
#include "view/ToolbarCommand.h"

namespace korvant::gui {
MainWindow::MainWindow(Desk& desk, QtPort& port, const WindowParts& parts, QWidget* parent)
    : QMainWindow(parent),
      desk_(desk),
      view_(desk),
      port_(port),
      navigation_(new NavigationPanel(this)),
      content_(new ContentPanel(this)),
      status_(new StatusPanel(this)),
      calls_(new CoreCalls(
          port, [this](int exitCode) { endProgram(exitCode); }, [this] { hooks_->refresh(); },
          this)),
      hooks_(new ActionHooks(
          desk.dispatcher(), [this](const std::function<void()>& work) { callCore(work); }, this)),
      keepAlive_(new QTimer(this)),
      layout_(new QSettings(
          QDir(QString::fromStdString(desk.dir())).filePath(QStringLiteral("DeskLayout.ini")),
          QSettings::IniFormat, this)) {
    setWindowTitle(QStringLiteral("Korvant柜台管理 ") + QString::fromLatin1(buildVersion()));
    setMinimumSize(250, 275);
    port_.setOwner(this);
    // What the user left last time: read before the panels are laid out.
    memory_ = std::make_unique<DeskMemory>(desk.dir());
    setRememberedValues(memory_.get());
    installDialogKeys();
    // A list sorted by a column stays sorted by it across pages and queries
    // (and starts.)
    keepAccountListSorts(desk_, true);

    // The navigation panel as wide as the user dragged it last time.
    auto* panels = new QSplitter(Qt::Horizontal);
    panels_ = panels;
    panels->setChildrenCollapsible(false);
    panels->addWidget(navigation_);
    panels->addWidget(content_);
    panels->setStretchFactor(1, 1);
    const int navigationWidth = std::clamp(
        layout_->value(QStringLiteral("navigationWidth"), DefaultNavigationWidth).toInt(),
        navigation_->minimumWidth(), 1000);
    panels->setSizes({navigationWidth, 1100 - navigationWidth});
    connect(panels, &QSplitter::splitterMoved, this, [this] { storeLayout(); });
    auto* rows = new QSplitter(Qt::Vertical);
    rows_ = rows;
    rows->addWidget(panels);
    rows->addWidget(status_);
    rows->setStretchFactor(0, 1);
    rows->setSizes({600, 160});
    setCentralWidget(rows);

    const auto run = [this](const std::function<void()>& work) { return callCore(work); };
    menus_ = std::make_unique<MenuBuilder>(*this, *hooks_, menuCommands(), parts.menus);
    lists_ = new AccountListController(view_, *content_, *hooks_, *menus_, run, this);
    redraw_ = std::make_unique<DeskRedraw>(
        view_, DrawnParts{*navigation_, *content_, *status_, *hooks_, *menus_, *lists_},
        [this] { scheduleReportTree(); });
    connectNavigation();
    connectContent();
    if (parts.installViews) parts.installViews(*this);

    // Posted actions run from the event loop, after the current handler.
    desk_.dispatcher().postHook = [this] {
        calls_->whenIdle([this] { callCore([this] { desk_.dispatcher().drainPosted(); }); });
    };
    observer_ = desk_.subscribe([this](DeskChange change) { redraw_->change(change); });
    statusListener_ = desk_.statusList().addListener(
        [this](const StatusList&, StatusList::Change) { redraw_->statusRows(); });
    port_.setPlaceOfFiles([this] { return pageName(); });
    giveWindowAccessKeys();
    restoreRemembered();
    if (memory_->unreadable())
        desk_.statusList().append("恢复布局",
                                  std::string(DeskMemory::FileName) + " 无法读取（" +
                                      memory_->problem() + "），已忽略，使用默认布局",
                                  false);

    keepAlive_->setInterval(KeepAliveMs);
    // A long read in progress is traffic enough: no keep-alive between its
    // pages.
    connect(keepAlive_, &QTimer::timeout, this, [this] {
        if (!port_.coreBusy()) callCore([this] { korvant::keepAlive(desk_); });
    });

    redrawAll();
}

void MainWindow::storeLayout() {
    const QList<int> sizes = panels_->sizes();
    if (!sizes.isEmpty() && sizes.front() > 0)
        layout_->setValue(QStringLiteral("navigationWidth"), sizes.front());
}

MainWindow::~MainWindow() {
    rememberLayout();
    setRememberedValues(nullptr);
    port_.setPlaceOfFiles({});
    desk_.dispatcher().postHook = nullptr;
    desk_.unsubscribe(observer_);
    desk_.statusList().remove(statusListener_);
    port_.setOwner(nullptr);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!port_.waitingForServer()) return QMainWindow::closeEvent(event);
    // The answer may still come: the window stays until the wait ends.
    event->ignore();
    port_.askToStopWaiting(this);
}

bool MainWindow::callCore(const std::function<void()>& work) {
    return calls_->run(work);
}

bool MainWindow::ended() const {
    return calls_->ended();
}

bool MainWindow::drawing() const {
    return redraw_ && redraw_->drawing();
}

void MainWindow::redrawAll() {
    redraw_->all();
}

void MainWindow::endProgram(int exitCode) {
    keepAlive_->stop();
    korvant::disconnect(desk_);
    hide();
    emit programEnded(exitCode);
}

void MainWindow::startLogin() {
    QTimer::singleShot(0, this, [this] { runLogin(); });
}

void MainWindow::runLogin() {
    LoginResult result = LoginResult::Cancelled;
    LoginOptions options;
    options.keyring = keyring_;
    if (!callCore([&] { result = login(desk_, options); })) return;
    switch (result) {
        case LoginResult::LoggedIn:
            loggedIn_ = true;
            keepAlive_->start();
            rebuildReportTree();
            redrawAll();
            if (!ended()) restoreView();
            if (!ended()) emit loggedIn();
            break;
        case LoginResult::Cancelled:
            calls_->end(0);
            break;
        case LoginResult::ConnectFailed:
        case LoginResult::Refused:
            startLogin();
            break;
    }
}

MenuCommands MainWindow::menuCommands() {
    MenuCommands commands;
    commands.quit = [this] { calls_->end(0); };
    commands.manual = [this] {
        if (manualPlaces_.empty())
            manualPlaces_ = manualPlaces(QCoreApplication::applicationDirPath().toStdString());
        openManual(port_, manualPlaces_);
    };
    commands.about = [this] {
        showAbout(
            desk_, [this](const std::function<void()>& work) { return callCore(work); }, this);
    };
    commands.chooseView = [this](ViewKind view) { chooseView(view); };
    commands.windowAction = [this](WindowAction action) { action(*this); };
    commands.groupNodeSelected = [this] {
        return navigation_->groupTree()->currentIndex().isValid();
    };
    commands.recordSelected = [this] { return !view_.state().selectedRows.empty(); };
    commands.refresh = [this] { refreshPage(); };
    commands.find = [this] { focusSearch(); };
    commands.exportPage = [this] { exportPage(); };
    commands.print = [this] { printPage(false); };
    commands.preview = [this] { printPage(true); };
    commands.restoreLayout = [this] { restoreDefaultLayout(); };
    commands.pageExports = [this] { return pageExportsNow(); };
    commands.pagePrints = [this] {
        return pageButton(content_->currentPage(), QStringLiteral("打印")) != nullptr;
    };
    return commands;
}

// --- navigation panel ---

void MainWindow::connectNavigation() {
    connect(navigation_, &NavigationPanel::viewButtonClicked, this, &MainWindow::chooseView);

    QTreeView* groups = navigation_->groupTree();
    connect(groups->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (drawing() || !current.isValid()) return;
                int id = static_cast<int>(current.data(NodeTreeModel::NodeDataRole).toLongLong());
                const Group* group = desk_.reference().groupById(id);
                if (group == nullptr) return;
                Group chosen = *group;
                callCore([&] { desk_.dispatcher().send(ActionCode::GroupSelected, chosen); });
            });
    connect(groups, &QTreeView::customContextMenuRequested, this, [this, groups](QPoint pos) {
        QModelIndex index = groups->indexAt(pos);
        if (index.isValid()) groups->setCurrentIndex(index);
        groupMenu()->popup(groups->viewport()->mapToGlobal(pos));
    });

    auto onSelect = [this](ViewKind view, auto handler) {
        QTreeView* tree = navigation_->tree(view);
        connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, handler](const QModelIndex& current) {
                    if (drawing() || !current.isValid()) return;
                    int data =
                        static_cast<int>(current.data(NodeTreeModel::NodeDataRole).toLongLong());
                    QString text = current.data(Qt::DisplayRole).toString();
                    callCore([&] { handler(data, text); });
                });
    };
    ActionDispatcher& dispatcher = desk_.dispatcher();
    onSelect(ViewKind::Reports, [&dispatcher](int data, const QString& text) {
        dispatcher.send(ActionCode::ReportAccountChosen,
                        ReportNodeArgument{data, text.toStdString()});
        dispatcher.send(ActionCode::ReportKindChosen, data);
    });
    onSelect(ViewKind::Risk, [&dispatcher](int data, const QString&) {
        dispatcher.send(ActionCode::RiskNodeSelected, data);
        dispatcher.send(ActionCode::RefreshRiskView);
    });
}

void MainWindow::chooseView(ViewKind view) {
    callCore([&] {
        ActionDispatcher& dispatcher = desk_.dispatcher();
        if (view == ViewKind::Risk)
            dispatcher.send(ActionCode::RiskNodeSelected,
                            navigation_->chosenNodeData(ViewKind::Risk, -1));
        if (view == ViewKind::Reports)
            dispatcher.send(ActionCode::ReportKindChosen,
                            navigation_->chosenNodeData(ViewKind::Reports, 0));
        dispatcher.send(ActionCode::SwitchView, static_cast<int>(view));
    });
}

void MainWindow::selectReportNode(const QString& text) {
    if (view_.state().view != ViewKind::Reports) return;
    QModelIndex index = navigation_->reportModel()->findText(text);
    if (!index.isValid()) return;
    // Only the highlight moves: the typed number stays the query's target.
    DeskRedraw::Scope scope(*redraw_);
    navigation_->reportTree()->setCurrentIndex(index);
}

void MainWindow::toggleTreeExpansion() {
    const ViewKind view = view_.state().view;
    if (view == ViewKind::Accounts || view == ViewKind::Reports) navigation_->toggleExpansion(view);
}

void MainWindow::connectContent() {
    for (const ToolbarButton& entry : toolbarButtons()) {
        QAction* action = content_->toolAction(entry.code);
        const ToolbarCode code = entry.code;
        ActionHooks::Condition condition;
        // New, Modify and Delete are enabled while they would do anything.
        if (const std::optional<ToolbarCommand> command = toolbarCommandOf(code))
            condition = [this, command = *command] {
                return toolbarCommandAvailable(view_, command);
            };
        hooks_->hook(
            action, [this, code] { toolbarCommand(code); }, std::move(condition));
    }

    PagerBar* pager = content_->pager();
    ActionDispatcher& dispatcher = desk_.dispatcher();
    const std::pair<void (PagerBar::*)(), ActionCode> moves[] = {
        {&PagerBar::firstPage, ActionCode::FirstPage},
        {&PagerBar::previousPage, ActionCode::PreviousPage},
        {&PagerBar::nextPage, ActionCode::NextPage},
        {&PagerBar::lastPage, ActionCode::LastPage}};
    for (const auto& [signal, code] : moves)
        connect(pager, signal, this,
                [this, &dispatcher, code = code] { callCore([&] { dispatcher.send(code, 0); }); });
    connect(pager, &PagerBar::goToPage, this, [this, &dispatcher](int index) {
        callCore([&] { dispatcher.send(ActionCode::GoToPage, index); });
    });

    connect(content_->searchBar(), &SearchBar::searchRequested, this, &MainWindow::search);
    connect(content_->searchBar(), &SearchBar::advancedSearchRequested, this,
            &MainWindow::advancedSearch);

    connect(content_->twoTabStrip(), &QTabBar::currentChanged, this, [this, &dispatcher](int tab) {
        if (drawing() || tab < 0) return;
        callCore([&] { dispatcher.send(ActionCode::TwoTabChanged, tab); });
    });
    connect(content_->threeTabStrip(), &QTabBar::currentChanged, this,
            [this, &dispatcher](int tab) {
                if (drawing() || tab < 0) return;
                callCore([&] { dispatcher.send(ActionCode::ThreeTabChanged, tab); });
            });
}

void MainWindow::toolbarCommand(ToolbarCode code) {
    switch (code) {
        case ToolbarCode::GroupMenu: {
            QToolButton* button = content_->groupMenuButton();
            groupMenu()->popup(button->mapToGlobal(QPoint(0, button->height())));
            break;
        }
        case ToolbarCode::Refresh: {
            QModelIndex current = navigation_->groupTree()->currentIndex();
            const Group* group = nullptr;
            if (current.isValid())
                group = desk_.reference().groupById(
                    static_cast<int>(current.data(NodeTreeModel::NodeDataRole).toLongLong()));
            std::optional<Group> chosen;
            if (group != nullptr) chosen = *group;
            callCore([&] {
                if (chosen) desk_.dispatcher().send(ActionCode::GroupSelectedAgain, *chosen);
                desk_.dispatcher().send(ActionCode::RefreshGroups);
            });
            break;
        }
        case ToolbarCode::Expand:
            toggleTreeExpansion();
            break;
        case ToolbarCode::New:
        case ToolbarCode::Modify:
        case ToolbarCode::Delete: {
            const ToolbarCommand command = *toolbarCommandOf(code);
            callCore([&] { runToolbarCommand(view_, command); });
            break;
        }
    }
}

void MainWindow::search() {
    SearchBar* bar = content_->searchBar();
    SearchFilter filter =
        searchBarFilter(bar->rangeGroupId(), static_cast<SearchCategory>(bar->category()),
                        bar->keyword().toStdString());
    callCore([&] { desk_.dispatcher().send(ActionCode::Search, filter); });
}

void MainWindow::advancedSearch() {
    int groupId = content_->searchBar()->rangeGroupId();
    callCore([&] { runAdvancedSearch(desk_, groupId); });
}

void MainWindow::scheduleReportTree() {
    // The report tree queries the server; it is loaded after the operation
    // that dropped it (a change to groups or sub-accounts, the refresh
    // command), never in the middle of it. The login loads it itself at its
    // end.
    if (!loggedIn_ || reportTreeScheduled_) return;
    reportTreeScheduled_ = true;
    calls_->whenIdle([this] {
        reportTreeScheduled_ = false;
        rebuildReportTree();
    });
}

void MainWindow::rebuildReportTree() {
    const std::vector<ReportTreeNode>* roots = nullptr;
    if (!callCore([&] { roots = &reportTree(desk_); })) return;
    DeskRedraw::Scope scope(*redraw_);
    navigation_->fillTree(ViewKind::Reports, reportTreeNodes(*roots));
}

}  // namespace korvant::gui

namespace korvant::gui {

namespace {

// The account lists and the names they remember their columns and sort
// under.
constexpr std::pair<AccountList, const char*> RememberedAccountLists[] = {
    {AccountList::MainAccounts, "mainAccounts"},
    {AccountList::Administrators, "administrators"},
    {AccountList::MainAccountLinks, "mainAccountLinks"},
    {AccountList::SubAccounts, "subAccounts"},
};

QString base64(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray unbase64(const QString& text) {
    return QByteArray::fromBase64(text.toLatin1());
}

int32_t today() {
    return ymdOfDate(QDate::currentDate());
}

std::vector<int32_t> ymdsOf(const std::vector<QDate>& dates) {
    std::vector<int32_t> ymds;
    for (const QDate& date : dates) ymds.push_back(ymdOfDate(date));
    return ymds;
}

std::vector<QDate> datesOf(const std::vector<int32_t>& ymds) {
    std::vector<QDate> dates;
    for (int32_t ymd : ymds) dates.push_back(dateOfYmd(ymd));
    return dates;
}

}  // namespace

QPushButton* MainWindow::pageButton(QWidget* page, const QString& caption) {
    if (page == nullptr) return nullptr;
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (plainCaption(button->text()) == caption && button->isVisibleTo(page) &&
            button->isEnabled())
            return button;
    return nullptr;
}

void MainWindow::giveWindowAccessKeys() {
    // On screen with every page: the menu bar, the toolbar, the navigation,
    // the search bar and the pager.
    QSet<QChar> window;
    for (const QAction* menu : menuBar()->actions()) {
        const QChar key = accessKeyOf(menu->text());
        if (!key.isNull()) window.insert(key);
    }
    for (const ToolbarButton& entry : toolbarButtons())
        if (entry.key != 0) window.insert(QLatin1Char(entry.key));
    window.unite(accessKeysIn(navigation_));
    giveAccessKeys(content_->searchBar(), window);
    giveAccessKeys(content_->pager(), window);
    // Each page shows alone: its keys differ from the window's.
    for (QWidget* page : content_->findChildren<QWidget*>()) {
        if (!hasOwnAccessKeys(*page)) continue;
        QSet<QChar> taken = window;
        giveAccessKeys(page, taken);
    }
}

void MainWindow::restoreRemembered() {
    DeskMemory& m = *memory_;
    for (const auto& [which, name] : RememberedAccountLists) {
        const QString list = QString::fromLatin1(name);
        if (AccountListView* view = content_->list(which)) rememberListLayout(*view, list);
        const QStringList sort = m.value(QStringLiteral("sort.") + list).split(QLatin1Char(','));
        bool column = false;
        bool direction = false;
        const int at = sort.value(0).toInt(&column);
        const int ascending = sort.value(1).toInt(&direction);
        if (sort.size() == 2 && column && direction && at >= 0)
            restoreAccountListSort(desk_, which, AccountListSort{at, ascending != 0});
    }
    for (ReportQueryTab* tab : content_->findChildren<ReportQueryTab*>()) {
        if (tab->objectName().isEmpty()) continue;
        rememberListLayout(*tab->table(), tab->objectName());
        const std::string text =
            m.value(QStringLiteral("dates.") + tab->objectName()).toStdString();
        if (auto ymds = recallDates(text, today(), tab->dates().size()))
            tab->setDates(datesOf(*ymds));
    }
    rememberMarkedLists(*content_);
    rememberListLayout(*status_->list(), QStringLiteral("status"));
    for (QWidget* page : content_->findChildren<QWidget*>())
        if (auto* fields = dynamic_cast<RememberedFields*>(page)) fields->recallFields(m, today());
    if (const QString rows = m.value(QStringLiteral("splitter.rows")); !rows.isEmpty())
        rows_->restoreState(unbase64(rows));
}

void MainWindow::showAsLeft() {
    const QString geometry = memory_->value(QStringLiteral("window.geometry"));
    if (geometry.isEmpty() || !restoreGeometry(unbase64(geometry))) {
        showMaximized();
        return;
    }
    restoreState(unbase64(memory_->value(QStringLiteral("window.state"))));
    show();
}

void MainWindow::rememberLayout() {
    storeLayout();
    layout_->sync();
    DeskMemory& m = *memory_;
    m.setValue(QStringLiteral("window.geometry"), base64(saveGeometry()));
    m.setValue(QStringLiteral("window.state"), base64(saveState()));
    m.setValue(QStringLiteral("splitter.rows"), base64(rows_->saveState()));
    storeListLayouts();
    for (const auto& [which, name] : RememberedAccountLists) {
        const AccountListSort sort = accountListSort(desk_, which);
        m.setValue(QStringLiteral("sort.") + QLatin1String(name),
                   sort.column >= 0
                       ? QStringLiteral("%1,%2").arg(sort.column).arg(sort.ascending ? 1 : 0)
                       : QString());
    }
    for (ReportQueryTab* tab : content_->findChildren<ReportQueryTab*>())
        if (!tab->objectName().isEmpty())
            m.setValue(QStringLiteral("dates.") + tab->objectName(),
                       QString::fromStdString(rememberDates(ymdsOf(tab->dates()), today())));
    for (QWidget* page : content_->findChildren<QWidget*>())
        if (auto* fields = dynamic_cast<const RememberedFields*>(page))
            fields->rememberFields(m, today());
    if (loggedIn_ && view_.state().view != ViewKind::None) {
        m.setValue(QStringLiteral("view"), QString::number(static_cast<int>(view_.state().view)));
        if (QTabBar* reports = content_->viewStrip(ViewKind::Reports))
            m.setValue(QStringLiteral("reportTab"), QString::number(reports->currentIndex()));
    }
    m.save();
}

void MainWindow::restoreView() {
    bool ok = false;
    const ViewKind view = viewKindOf(memory_->value(QStringLiteral("view")).toInt(&ok));
    if (!ok || view == ViewKind::None) return;
    QAction* item = viewAction(view);
    if (item == nullptr || !item->isEnabled()) return;
    if (view == ViewKind::Reports) {
        const int tab = memory_->value(QStringLiteral("reportTab")).toInt(&ok);
        QTabBar* strip = content_->viewStrip(ViewKind::Reports);
        if (ok && strip != nullptr && tab >= 0 && tab < strip->count()) strip->setCurrentIndex(tab);
    }
    if (view != view_.state().view) chooseView(view);
}

void MainWindow::restoreDefaultLayout() {
    memory_->forgetLayout();
    resetListLayouts();
    for (const auto& [which, name] : RememberedAccountLists)
        restoreAccountListSort(desk_, which, AccountListSort{});
    const int total = std::max(panels_->width(), DefaultNavigationWidth + 100);
    panels_->setSizes({DefaultNavigationWidth, total - DefaultNavigationWidth});
    layout_->setValue(QStringLiteral("navigationWidth"), DefaultNavigationWidth);
    rows_->setSizes({600, 160});
    if (!isMaximized()) showMaximized();
    desk_.notify(DeskChange::AccountList);
    memory_->save();
    desk_.statusList().append("恢复默认布局", "窗口、分隔条和各列表的列已恢复为默认布局", false);
}

QString MainWindow::pageName() const {
    switch (view_.state().view) {
        case ViewKind::Accounts:
            return QStringLiteral("accounts");
        case ViewKind::FeeRates:
            return QStringLiteral("feeRates");
        case ViewKind::MarginRates:
            return QStringLiteral("marginRates");
        case ViewKind::Risk:
            return QStringLiteral("risk");
        case ViewKind::Logs:
            return QStringLiteral("log");
        case ViewKind::Reports:
            if (QWidget* page = content_->viewPage(ViewKind::Reports);
                page != nullptr && !page->objectName().isEmpty())
                return page->objectName();
            return QStringLiteral("reports");
        case ViewKind::None:
            break;
    }
    return {};
}

void MainWindow::refreshPage() {
    const ViewKind view = view_.state().view;
    if (view == ViewKind::Accounts) return toolbarCommand(ToolbarCode::Refresh);
    if (view == ViewKind::Risk) {
        callCore([this] { desk_.dispatcher().send(ActionCode::RefreshRiskView); });
        return;
    }
    if (QPushButton* query = pageButton(content_->currentPage(), QStringLiteral("查询"))) {
        query->click();
        return;
    }
    // A list the pager pages (the rates): the page on screen again.
    auto& pagers = view_.state().pagers;
    auto it = pagers.find(view);
    if (it == pagers.end() || !it->second.cursor || !it->second.query) return;
    const int page = it->second.cursor().last;
    if (page < 0) return;
    const auto query = it->second.query;
    callCore([&] { query(page); });
}

void MainWindow::focusSearch() {
    if (QWidget* page = content_->currentPage())
        for (QWidget* field : page->findChildren<QWidget*>()) {
            if (!field->property("searchField").toBool() || !field->isVisibleTo(page) ||
                !field->isEnabled())
                continue;
            field->setFocus(Qt::ShortcutFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
            if (auto* box = qobject_cast<QComboBox*>(field); box && box->lineEdit())
                box->lineEdit()->selectAll();
            return;
        }
    QLineEdit* keyword = content_->searchBar()->keywordEdit();
    if (!keyword->isEnabled()) return;
    keyword->setFocus(Qt::ShortcutFocusReason);
    keyword->selectAll();
}

bool MainWindow::pageExportsNow() {
    const ViewKind view = view_.state().view;
    if (view == ViewKind::FeeRates || view == ViewKind::MarginRates) {
        const TemplateView& rates =
            templateView(desk_, view == ViewKind::FeeRates ? feeKind() : marginKind());
        return rates.node && rates.node->templateId != 0;
    }
    QWidget* page = content_->currentPage();
    return pageButton(page, QStringLiteral("导出")) != nullptr ||
           pageButton(page, QStringLiteral("导出PDF")) != nullptr;
}

void MainWindow::exportPage() {
    const ViewKind view = view_.state().view;
    if (view == ViewKind::FeeRates || view == ViewKind::MarginRates) {
        const TemplateKind& kind = view == ViewKind::FeeRates ? feeKind() : marginKind();
        callCore([&] { runTemplateCommand(desk_, kind, TemplateCommand::Export); });
        return;
    }
    QWidget* page = content_->currentPage();
    for (const QString& caption : {QStringLiteral("导出"), QStringLiteral("导出PDF")})
        if (QPushButton* button = pageButton(page, caption)) {
            button->click();
            return;
        }
}

void MainWindow::printPage(bool preview) {
    const QString caption = preview ? QStringLiteral("打印预览") : QStringLiteral("打印");
    if (QPushButton* button = pageButton(content_->currentPage(), caption)) button->click();
}

}  // namespace korvant::gui
