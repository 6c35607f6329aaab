#include "gui/shell/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

#include "app/AccountLists.h"
#include "app/ActionDispatcher.h"
#include "app/AdvancedSearch.h"
#include "app/BuildVersion.h"
#include "app/Desk.h"
#include "app/KeepAlive.h"
#include "app/Login.h"
#include "app/ReportTree.h"
#include "app/SearchFilter.h"
#include "app/ToolbarCommand.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/ReportTabs.h"
#include "gui/risk/WarehouseView.h"
#include "gui/shell/AccountListController.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/CoreCalls.h"
#include "gui/shell/DeskHelp.h"
#include "gui/shell/DeskRedraw.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/NavigationTrees.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/SearchBar.h"
#include "gui/shell/StatusPanel.h"
#include "gui/templates/TemplateViews.h"
#include "gui/widgets/NodeTreeModel.h"
#include "local/ShippedFiles.h"

namespace korvant::gui {
MainWindow::MainWindow(Desk& desk, QtPort& port, QWidget* parent)
    : QMainWindow(parent),
      desk_(desk),
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

    const auto run = [this](const std::function<void()>& work) { return callCore(work); };
    menus_ = std::make_unique<MenuBuilder>(*this, *hooks_, menuCommands());
    lists_ = new AccountListController(desk_, *content_, *hooks_, *menus_, run, this);
    redraw_ = std::make_unique<DeskRedraw>(
        desk_, DrawnParts{*navigation_, *content_, *status_, *hooks_, *menus_, *lists_},
        [this] { scheduleReportTree(); });
    connectNavigation();
    connectContent();
    installReportTabs(desk_, *content_, run, [this](const std::string& text) {
        selectReportNode(QString::fromStdString(text));
    });
    installTemplateViews(*this);
    installRiskView(*this);
    installOperationLogView(desk_, *content_, run);

    // Posted actions run from the event loop, after the current handler.
    desk_.dispatcher().postHook = [this] {
        calls_->whenIdle([this] { callCore([this] { desk_.dispatcher().drainPosted(); }); });
    };
    observer_ = desk_.subscribe([this](DeskChange change) { redraw_->change(change); });
    statusListener_ = desk_.statusList().addListener(
        [this](const StatusList&, StatusList::Change) { redraw_->statusRows(); });

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
    if (!callCore([&] { result = login(desk_); })) return;
    switch (result) {
        case LoginResult::LoggedIn:
            loggedIn_ = true;
            keepAlive_->start();
            rebuildReportTree();
            redrawAll();
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
    commands.windowCommand = [this](WindowCommand command) {
        if (command == WindowCommand::LinkedSubAccounts) lists_->showLinkedSubAccounts();
    };
    commands.groupNodeSelected = [this] {
        return navigation_->groupTree()->currentIndex().isValid();
    };
    commands.recordSelected = [this] { return !desk_.mainState().selectedRows.empty(); };
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
    if (desk_.mainState().view != ViewKind::Reports) return;
    QModelIndex index = navigation_->reportModel()->findText(text);
    if (!index.isValid()) return;
    // Only the highlight moves: the typed number stays the query's target.
    DeskRedraw::Scope scope(*redraw_);
    navigation_->reportTree()->setCurrentIndex(index);
}

void MainWindow::toggleTreeExpansion() {
    const ViewKind view = desk_.mainState().view;
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
                return toolbarCommandAvailable(desk_, command);
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
