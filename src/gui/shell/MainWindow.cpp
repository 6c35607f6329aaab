#include "gui/shell/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

#include <iostream>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/AccountLists.h"
#include "app/ActionDispatcher.h"
#include "app/AdvancedSearch.h"
#include "app/BuildVersion.h"
#include "app/Desk.h"
#include "app/FreeText.h"
#include "app/KeepAlive.h"
#include "app/ListSelection.h"
#include "app/Login.h"
#include "app/ReportTree.h"
#include "app/SearchFilter.h"
#include "app/ToolbarCommand.h"
#include "gui/accounts/DepositRecordsTab.h"
#include "gui/accounts/LinkedSubAccountsWindow.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/StatementTab.h"
#include "gui/risk/WarehouseView.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/AccountRows.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuKeys.h"
#include "gui/shell/MenuTable.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/NavigationTrees.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/SearchBar.h"
#include "gui/shell/StatusPanel.h"
#include "gui/templates/TemplateViews.h"
#include "gui/widgets/NodeTreeModel.h"
#include "local/ShippedFiles.h"

namespace korvant::gui {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// "系统(&S)": the caption with its access key (Alt+S), shown as "系统(S)".
QString withAccessKey(const char* caption, char key) {
    return QString::fromUtf8(caption) + QStringLiteral("(&") + QLatin1Char(key) + QLatin1Char(')');
}

ToolbarCommand toolbarCommandOf(ToolbarCode code) {
    return code == ToolbarCode::New      ? ToolbarCommand::New
           : code == ToolbarCode::Modify ? ToolbarCommand::Modify
                                         : ToolbarCommand::Delete;
}

// Guards the drawing of core state against the widgets' change signals.
class Drawing {
public:
    explicit Drawing(int& depth) : depth_(depth) { ++depth_; }
    ~Drawing() { --depth_; }

private:
    int& depth_;
};

}  // namespace

MainWindow::MainWindow(Desk& desk, QtPort& port, QWidget* parent)
    : QMainWindow(parent),
      desk_(desk),
      port_(port),
      navigation_(new NavigationPanel(this)),
      content_(new ContentPanel(this)),
      status_(new StatusPanel(this)),
      hooks_(new ActionHooks(
          desk.dispatcher(), [this](const std::function<void()>& work) { callCore(work); }, this)),
      keepAlive_(new QTimer(this)),
      layout_(new QSettings(
          QDir(QString::fromStdString(desk.dir())).filePath(QStringLiteral("DeskLayout.ini")),
          QSettings::IniFormat, this)) {
    setWindowTitle(QStringLiteral("Korvant柜台管理 ") + QString::fromLatin1(buildVersion()));
    setMinimumSize(250, 275);
    port_.setOwner(this);

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
    rows->addWidget(panels);
    rows->addWidget(status_);
    rows->setStretchFactor(0, 1);
    rows->setSizes({600, 160});
    setCentralWidget(rows);

    buildMenus();
    connectNavigation();
    connectContent();
    connectLists();
    DepositRecordsTab::install(
        desk_, *content_, [this](const std::function<void()>& work) { return callCore(work); });
    // A customer number typed into the deposit records selects its node.
    depositRecordsPage(desk_).selectReportNode = [this](const std::string& text) {
        selectReportNode(QString::fromStdString(text));
    };
    StatementTab::install(desk_, *content_,
                          [this](const std::function<void()>& work) { return callCore(work); });
    statementPage(desk_).selectReportNode = [this](const std::string& text) {
        selectReportNode(QString::fromStdString(text));
    };
    installTemplateViews(*this);
    installRiskView(*this);
    installOperationLogView(desk_, *content_,
                            [this](const std::function<void()>& work) { return callCore(work); });

    // Posted actions run from the event loop, after the current handler.
    desk_.dispatcher().postHook = [this] {
        whenIdle([this] { callCore([this] { desk_.dispatcher().drainPosted(); }); });
    };
    observer_ = desk_.subscribe([this](DeskChange change) { onDeskChange(change); });
    statusListener_ = desk_.statusList().addListener(
        [this](const StatusList&, StatusList::Change) { redrawStatusRows(); });

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
    storeLayout();
    layout_->sync();
    desk_.dispatcher().postHook = nullptr;
    desk_.unsubscribe(observer_);
    desk_.statusList().remove(statusListener_);
    port_.setOwner(nullptr);
}

QString plainCaption(const QString& text) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)$"));
    QString plain = text;
    plain.remove(accessKey);
    return plain;
}

// --- running the core ---

bool MainWindow::callCore(const std::function<void()>& work) {
    // Between the pages of a long read only the progress window takes
    // input; nothing else may start work of the core in the middle of it.
    if (ended_ || port_.coreBusy()) return false;
    try {
        work();
    } catch (const ProgramEnd&) {
        // The core has shown its message.
        endProgram(1);
        return false;
    } catch (const std::exception& e) {
        std::cerr << "korvant-desk: " << e.what() << "\n";
    }
    hooks_->refresh();
    return true;
}

void MainWindow::endProgram(int exitCode) {
    if (ended_) return;
    ended_ = true;
    keepAlive_->stop();
    korvant::disconnect(desk_);
    hide();
    emit programEnded(exitCode);
}

void MainWindow::whenIdle(std::function<void()> work) {
    QTimer::singleShot(0, this, [this, work = std::move(work)]() mutable {
        if (port_.coreBusy()) {
            // Still inside a long read: after its next pages.
            QTimer::singleShot(
                ProgressWindow::TurnMs, this,
                [this, work = std::move(work)]() mutable { whenIdle(std::move(work)); });
            return;
        }
        work();
    });
}

void MainWindow::startLogin() {
    QTimer::singleShot(0, this, [this] { runLogin(); });
}

void MainWindow::runLogin() {
    LoginResult result = LoginResult::Cancelled;
    if (!callCore([&] { result = login(desk_); })) return;
    switch (result) {
        case LoginResult::LoggedIn:
            loggedIn_ = true;
            keepAlive_->start();
            rebuildReportTree();
            redrawAll();
            if (!ended_) emit loggedIn();
            break;
        case LoginResult::Cancelled:
            endProgram(0);
            break;
        case LoginResult::ConnectFailed:
        case LoginResult::Refused:
            startLogin();
            break;
    }
}

void MainWindow::quitDesk() {
    endProgram(0);
}

// --- menus ---

void MainWindow::buildMenus() {
    const MenuTable entries = allMenuEntries();
    std::map<MenuPlace, QMenu*>& menus = menus_;

    QMenu* system = menuBar()->addMenu(withAccessKey("系统", 'S'));
    menus[MenuPlace::System] = system;
    QMenu* business = menuBar()->addMenu(withAccessKey("业务管理", 'B'));
    menus[MenuPlace::Operations] = menuBar()->addMenu(withAccessKey("操作", 'O'));
    QMenu* help = menuBar()->addMenu(withAccessKey("帮助", 'H'));

    menus[MenuPlace::GroupTree] = new QMenu(QStringLiteral("组快捷菜单"), this);
    menus[MenuPlace::AdministratorList] = new QMenu(QStringLiteral("管理员快捷菜单"), this);
    menus[MenuPlace::SubAccountList] = new QMenu(QStringLiteral("用户快捷菜单"), this);
    menus[MenuPlace::MainAccountList] = new QMenu(QStringLiteral("主账号"), this);
    // The link list of a second-level group shares the sub-account menu's
    // title.
    menus[MenuPlace::MainAccountLinkList] = new QMenu(QStringLiteral("用户快捷菜单"), this);

    for (const MenuEntry& entry : entries) addMenuEntry(entry);

    QAction* quit = system->addAction(withAccessKey("退出", 'X'));
    connect(quit, &QAction::triggered, this, &MainWindow::quitDesk);
    menuActions_[QStringLiteral("退出")] = quit;

    struct ViewItem {
        ViewKind view;
        const char* caption;
        char key;
    };
    const ViewItem views[] = {
        {ViewKind::Accounts, "账号设置", 'A'},    {ViewKind::FeeRates, "手续费率", 'F'},
        {ViewKind::MarginRates, "保证金率", 'M'}, {ViewKind::Risk, "风险控制设置", 'R'},
        {ViewKind::Reports, "报表管理", 'P'},     {ViewKind::Logs, "日志管理", 'L'}};
    for (const auto& [view, caption, key] : views) {
        QAction* item = business->addAction(withAccessKey(caption, key));
        item->setEnabled(false);
        connect(item, &QAction::triggered, this, [this, view = view] { chooseView(view); });
        viewActions_[view] = item;
    }

    QAction* manual = help->addAction(withAccessKey("使用说明", 'M'));
    connect(manual, &QAction::triggered, this, &MainWindow::openManual);
    QAction* about = help->addAction(withAccessKey("关于...", 'A'));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    menuActions_[QStringLiteral("使用说明")] = manual;
    menuActions_[QStringLiteral("关于...")] = about;

    for (MenuPlace place :
         {MenuPlace::GroupTree, MenuPlace::AdministratorList, MenuPlace::SubAccountList,
          MenuPlace::MainAccountList, MenuPlace::MainAccountLinkList})
        connect(menus[place], &QMenu::aboutToShow, hooks_, &ActionHooks::refresh);
}

void MainWindow::addMenuEntry(const MenuEntry& entry) {
    const QString caption = QString::fromUtf8(entry.caption);
    const char key = menuAccessKey(entry.caption);
    QAction* item =
        menus_.at(entry.place)->addAction(key != 0 ? withAccessKey(entry.caption, key) : caption);
    ActionHooks::Condition condition;
    switch (entry.enable) {
        case EnableRule::Handler:
            break;
        case EnableRule::GroupNode:
            condition = [this] { return groupNodeSelected(); };
            break;
        case EnableRule::RecordRow:
            condition = [this] { return hasSelectedRecord(); };
            break;
    }
    const bool menuBarItem =
        entry.place == MenuPlace::System || entry.place == MenuPlace::Operations;
    if (entry.window != WindowCommand::None) {
        hooks_->hook(item, windowCommand(entry.window), std::move(condition));
        menuActions_[caption] = item;
        return;
    }
    ActionHooks::Argument argument;
    if (entry.argument) argument = [value = *entry.argument] { return ArgumentVariant{value}; };
    hooks_->hook(item, entry.code, std::move(argument), std::move(condition));
    if (menuBarItem) menuActions_[caption] = item;
}

std::function<void()> MainWindow::windowCommand(WindowCommand command) {
    switch (command) {
        case WindowCommand::LinkedSubAccounts:
            return [this] { showLinkedSubAccounts(); };
        case WindowCommand::None:
            break;
    }
    return [] {};
}

QMenu* MainWindow::menu(MenuPlace place) const {
    auto it = menus_.find(place);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* MainWindow::viewAction(ViewKind view) const {
    auto it = viewActions_.find(view);
    return it == viewActions_.end() ? nullptr : it->second;
}

QAction* MainWindow::menuAction(const QString& caption) const {
    auto it = menuActions_.find(caption);
    if (it != menuActions_.end()) return it->second;
    for (const auto& [view, action] : viewActions_)
        if (plainCaption(action->text()) == caption) return action;
    return nullptr;
}

// --- navigation panel ---

void MainWindow::connectNavigation() {
    connect(navigation_, &NavigationPanel::viewButtonClicked, this, &MainWindow::chooseView);

    QTreeView* groups = navigation_->groupTree();
    connect(groups->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (drawing_ > 0 || !current.isValid()) return;
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
                    if (drawing_ > 0 || !current.isValid()) return;
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

int MainWindow::selectedNodeData(QTreeView* tree, int fallback) const {
    QModelIndex current = tree->currentIndex();
    if (!current.isValid()) return fallback;
    return static_cast<int>(current.data(NodeTreeModel::NodeDataRole).toLongLong());
}

void MainWindow::chooseView(ViewKind view) {
    callCore([&] {
        ActionDispatcher& dispatcher = desk_.dispatcher();
        if (view == ViewKind::Risk)
            dispatcher.send(ActionCode::RiskNodeSelected,
                            selectedNodeData(navigation_->tree(ViewKind::Risk), -1));
        if (view == ViewKind::Reports)
            dispatcher.send(ActionCode::ReportKindChosen,
                            selectedNodeData(navigation_->reportTree(), 0));
        dispatcher.send(ActionCode::SwitchView, static_cast<int>(view));
    });
}

bool MainWindow::groupNodeSelected() const {
    return navigation_->groupTree()->currentIndex().isValid();
}

void MainWindow::selectReportNode(const QString& text) {
    if (desk_.mainState().view != ViewKind::Reports) return;
    QModelIndex index = navigation_->reportModel()->findText(text);
    if (!index.isValid()) return;
    // Only the highlight moves: the typed number stays the query's target.
    Drawing drawing(drawing_);
    navigation_->reportTree()->setCurrentIndex(index);
}

void MainWindow::toggleTreeExpansion() {
    QTreeView* tree = nullptr;
    if (desk_.mainState().view == ViewKind::Accounts) tree = navigation_->groupTree();
    if (desk_.mainState().view == ViewKind::Reports) tree = navigation_->reportTree();
    if (tree == nullptr) return;
    auto* model = static_cast<NodeTreeModel*>(tree->model());
    for (const QModelIndex& child : model->childrenOfTopLevel())
        tree->setExpanded(child, !tree->isExpanded(child));
}

// --- content panel ---

void MainWindow::connectContent() {
    for (const ToolbarButton& entry : toolbarButtons()) {
        QAction* action = content_->toolAction(entry.code);
        const ToolbarCode code = entry.code;
        ActionHooks::Condition condition;
        // New, Modify and Delete are enabled while they would do anything.
        if (code == ToolbarCode::New || code == ToolbarCode::Modify || code == ToolbarCode::Delete)
            condition = [this, command = toolbarCommandOf(code)] {
                return toolbarCommandAvailable(desk_, command);
            };
        hooks_->hook(
            action, [this, code] { toolbarCommand(code); }, std::move(condition));
    }

    PagerBar* pager = content_->pager();
    ActionDispatcher& dispatcher = desk_.dispatcher();
    auto page = [this, &dispatcher](ActionCode code, int arg) {
        callCore([&] { dispatcher.send(code, arg); });
    };
    connect(pager, &PagerBar::firstPage, this, [page] { page(ActionCode::FirstPage, 0); });
    connect(pager, &PagerBar::previousPage, this, [page] { page(ActionCode::PreviousPage, 0); });
    connect(pager, &PagerBar::nextPage, this, [page] { page(ActionCode::NextPage, 0); });
    connect(pager, &PagerBar::lastPage, this, [page] { page(ActionCode::LastPage, 0); });
    connect(pager, &PagerBar::goToPage, this,
            [page](int index) { page(ActionCode::GoToPage, index); });

    connect(content_->searchBar(), &SearchBar::searchRequested, this, &MainWindow::search);
    connect(content_->searchBar(), &SearchBar::advancedSearchRequested, this,
            &MainWindow::advancedSearch);

    connect(content_->twoTabStrip(), &QTabBar::currentChanged, this, [this, &dispatcher](int tab) {
        if (drawing_ > 0 || tab < 0) return;
        callCore([&] { dispatcher.send(ActionCode::TwoTabChanged, tab); });
    });
    connect(content_->threeTabStrip(), &QTabBar::currentChanged, this,
            [this, &dispatcher](int tab) {
                if (drawing_ > 0 || tab < 0) return;
                callCore([&] { dispatcher.send(ActionCode::ThreeTabChanged, tab); });
            });
}

void MainWindow::connectLists() {
    auto menuFor = [this](AccountList which) -> QMenu* {
        switch (which) {
            case AccountList::MainAccounts:
                return mainAccountMenu();
            case AccountList::Administrators:
                return administratorMenu();
            case AccountList::MainAccountLinks:
                return linkMenu();
            case AccountList::SubAccounts:
                return subAccountMenu();
            case AccountList::None:
                break;
        }
        return nullptr;
    };
    for (AccountList which : {AccountList::MainAccounts, AccountList::Administrators,
                              AccountList::MainAccountLinks, AccountList::SubAccounts}) {
        AccountListView* list = content_->list(which);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { storeSelection(); });
        QMenu* menu = menuFor(which);
        connect(list, &QTableView::customContextMenuRequested, this,
                [this, list, menu](QPoint pos) {
                    // The main-account menus are not offered on the root group.
                    bool mainAccounts = menu == mainAccountMenu() || menu == linkMenu();
                    if (mainAccounts && desk_.mainState().group.id == 1) return;
                    storeSelection();
                    menu->popup(list->viewport()->mapToGlobal(pos));
                });
    }
    // A click on a header of the sub-account list sorts its records,
    // reversing the direction at each click.
    connect(content_->list(AccountList::SubAccounts)->horizontalHeader(),
            &QHeaderView::sectionClicked, this, [this](int column) {
                if (subAccountSorter_.sortByColumn(desk_.accounts().subAccounts.records, column))
                    desk_.notify(DeskChange::AccountList);
            });
    // The administrator list sorts on its first five headers, one direction
    // shared by all of them.
    connect(
        content_->list(AccountList::Administrators)->horizontalHeader(),
        &QHeaderView::sectionClicked, this, [this](int column) {
            if (administratorSorter_.sortByColumn(desk_.accounts().administrators.records, column))
                desk_.notify(DeskChange::AccountList);
        });
    // Double-click modifies the record.
    connect(content_->list(AccountList::Administrators), &QTableView::doubleClicked, this, [this] {
        if (hooks_->available(ActionCode::ModifyAdministrator) && hasSelectedRecord())
            hooks_->trigger(ActionCode::ModifyAdministrator, {});
    });
    connect(content_->list(AccountList::SubAccounts), &QTableView::doubleClicked, this, [this] {
        if (hooks_->available(ActionCode::ModifySubAccount) && hasSelectedRecord())
            hooks_->trigger(ActionCode::ModifySubAccount, {});
    });
}

void MainWindow::showLinkedSubAccounts() {
    const auto& cache = desk_.accounts().mainAccounts;
    const int row = firstSelectedRow(desk_, cache.count());
    if (row < 0) return;
    const std::string account = cache.at(row).account;
    auto* window = new LinkedSubAccountsWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QPointer<LinkedSubAccountsWindow> alive(window);
    callCore([&] {
        linkedSubAccounts(desk_, account, [&](const std::vector<SubAccount>& found) {
            if (alive) alive->setAccounts(found);
        });
    });
}

void MainWindow::storeSelection() {
    MainState& state = desk_.mainState();
    state.selectedRows.clear();
    AccountListView* list = content_->list(state.shownList);
    if (list != nullptr) state.selectedRows = list->selectedRecordRows();
    hooks_->refresh();
}

bool MainWindow::hasSelectedRecord() const {
    return !desk_.mainState().selectedRows.empty();
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
            const ToolbarCommand command = toolbarCommandOf(code);
            callCore([&] { runToolbarCommand(desk_, command); });
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

// --- help ---

void MainWindow::showAbout() {
    bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    AboutDialog dialog(
        shift, [this](const std::string& text) { callCore([&] { sendFreeText(desk_, text); }); },
        this);
    dialog.exec();
}

void MainWindow::openManual() {
    if (manualPlaces_.empty())
        manualPlaces_ = manualPlaces(QCoreApplication::applicationDirPath().toStdString());
    const std::vector<std::string>& places = manualPlaces_;
    for (const std::string& place : places) {
        const QString path = QString::fromStdString(place);
        if (!QFileInfo(path).isFile()) continue;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            port_.warn("无法打开使用说明文档：" + QDir::toNativeSeparators(path).toStdString());
        return;
    }
    // A missing manual is said, with the places it was looked for.
    std::string text = "找不到使用说明文档，查找过：";
    for (const std::string& place : places) text += "\n" + place;
    port_.warn(text);
}

// --- drawing the core's state ---

void MainWindow::onDeskChange(DeskChange change) {
    switch (change) {
        case DeskChange::Session:
            redrawSession();
            break;
        case DeskChange::Groups:
            rebuildGroupTree();
            break;
        case DeskChange::ReportTree:
            scheduleReportTree();
            break;
        case DeskChange::MarginTemplates:
        case DeskChange::FeeTemplates:
            rebuildTemplateTrees();
            break;
        case DeskChange::Varieties:
        case DeskChange::RiskStrategies:
            break;
        case DeskChange::AccountList:
            redrawAccountList();
            break;
        case DeskChange::PageLabel:
            redrawPageLabel();
            break;
        case DeskChange::Tabs:
            redrawTabs();
            break;
        case DeskChange::SearchRange:
            redrawSearchRange();
            break;
        case DeskChange::View:
            redrawView();
            break;
        case DeskChange::ReportRows:
            break;
    }
}

void MainWindow::redrawAll() {
    redrawSession();
    rebuildGroupTree();
    rebuildTemplateTrees();
    redrawView();
    redrawSearchRange();
    redrawStatusRows();
}

void MainWindow::redrawSession() {
    const MainState& state = desk_.mainState();
    navigation_->setAccount(qs(desk_.session().account));
    navigation_->setButtonShown(ViewKind::Accounts, state.buttons.accounts);
    navigation_->setButtonShown(ViewKind::FeeRates, state.buttons.fee);
    navigation_->setButtonShown(ViewKind::MarginRates, state.buttons.margin);
    navigation_->setButtonShown(ViewKind::Risk, state.buttons.risk);
    navigation_->setButtonShown(ViewKind::Reports, state.buttons.reports);
    navigation_->setButtonShown(ViewKind::Logs, state.buttons.logs);
    viewActions_[ViewKind::Accounts]->setEnabled(state.enable.accounts);
    viewActions_[ViewKind::FeeRates]->setEnabled(state.enable.fee);
    viewActions_[ViewKind::MarginRates]->setEnabled(state.enable.margin);
    viewActions_[ViewKind::Risk]->setEnabled(state.enable.risk);
    viewActions_[ViewKind::Reports]->setEnabled(state.enable.reports);
    viewActions_[ViewKind::Logs]->setEnabled(state.enable.logs);
    hooks_->refresh();
}

void MainWindow::redrawView() {
    Drawing drawing(drawing_);
    const MainState& state = desk_.mainState();
    navigation_->setView(state.view);
    content_->showView(state.view, state.strip, state.shownList);
    if (state.statusTextShown)
        status_->showText();
    else
        status_->showList();
    redrawTabs();
    redrawPageLabel();
}

void MainWindow::redrawTabs() {
    Drawing drawing(drawing_);
    const MainState& state = desk_.mainState();
    content_->twoTabStrip()->setCurrentIndex(state.twoTabIndex);
    content_->threeTabStrip()->setCurrentIndex(state.threeTabIndex);
    content_->showView(state.view, state.strip, state.shownList);
    redrawAccountList();
}

void MainWindow::redrawAccountList() {
    Drawing drawing(drawing_);
    const MainState& state = desk_.mainState();
    AccountListView* list = content_->list(state.shownList);
    std::vector<int> kept;
    if (list != nullptr) {
        // A refresh keeps the records selected before (by their key).
        list->setRows(accountRows(desk_, state.shownList),
                      accountRecordCount(desk_, state.shownList));
        kept = list->selectedRecordRows();
        content_->showView(state.view, state.strip, state.shownList);
    }
    desk_.mainState().selectedRows = std::move(kept);
    hooks_->refresh();
}

void MainWindow::redrawPageLabel() {
    const MainState& state = desk_.mainState();
    content_->pager()->setLabel(qs(pageLabelText(state.labelPage, state.labelTotal)));
    // The page field follows the pages the buttons turn to.
    content_->pager()->setPage(static_cast<int>(std::min<int64_t>(state.labelPage, INT32_MAX)));
}

void MainWindow::redrawSearchRange() {
    Drawing drawing(drawing_);
    const MainState& state = desk_.mainState();
    SearchBar* bar = content_->searchBar();
    const SearchRangeEntry* group = nullptr;
    for (const SearchRangeEntry& entry : state.searchRange)
        if (entry.groupId != -1) group = &entry;
    if (group != nullptr)
        bar->setRange(qs(group->caption), group->groupId);
    else
        bar->setRange(QString(), -1);
    if (state.searchRangeIndex >= 0 && state.searchRangeIndex < bar->rangeCombo()->count())
        bar->rangeCombo()->setCurrentIndex(state.searchRangeIndex);
}

void MainWindow::redrawStatusRows() {
    status_->setRows(desk_.statusList().rows());
}

void MainWindow::rebuildGroupTree() {
    Drawing drawing(drawing_);
    navigation_->fillTree(ViewKind::Accounts, groupTreeNodes(desk_.reference()));
    // Keep the current group highlighted.
    int current = desk_.mainState().group.id;
    NodeTreeModel* model = navigation_->groupModel();
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == current) {
            navigation_->groupTree()->setCurrentIndex(model->indexOfNode(node));
            break;
        }
}

void MainWindow::rebuildTemplateTrees() {
    Drawing drawing(drawing_);
    const ReferenceData& reference = desk_.reference();
    navigation_->fillTree(ViewKind::FeeRates, feeTemplateTreeNodes(reference));
    navigation_->fillTree(ViewKind::MarginRates, marginTemplateTreeNodes(reference));
    if (navigation_->model(ViewKind::Risk)->nodeCount() == 0)
        navigation_->fillTree(ViewKind::Risk, riskCategoryTreeNodes());
}

void MainWindow::scheduleReportTree() {
    // The report tree queries the server; it is loaded after the operation
    // that dropped it (a change to groups or sub-accounts, the refresh
    // command), never in the middle of it. The login loads it itself at its
    // end.
    if (!loggedIn_ || reportTreeScheduled_) return;
    reportTreeScheduled_ = true;
    whenIdle([this] {
        reportTreeScheduled_ = false;
        rebuildReportTree();
    });
}

void MainWindow::rebuildReportTree() {
    const std::vector<ReportTreeNode>* roots = nullptr;
    if (!callCore([&] { roots = &reportTree(desk_); })) return;
    Drawing drawing(drawing_);
    navigation_->fillTree(ViewKind::Reports, reportTreeNodes(*roots));
}

}  // namespace korvant::gui
