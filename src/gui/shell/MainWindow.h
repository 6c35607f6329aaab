#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/desk/ViewKind.h"
#include "app/session/PasswordKeyring.h"
#include "gui/shell/DeskRedraw.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/ToolbarTable.h"
#include "gui/shell/WindowParts.h"
#include "view/DeskView.h"

class QAction;
class QMenu;
class QPushButton;
class QSettings;
class QSplitter;
class QTimer;
class QTreeView;

namespace korvant::gui {

class CoreCalls;
class DeskMemory;
class QtPort;

// The desk's one top-level window: navigation panel, content panel, status
// panel, menus, toolbar and context menus. It draws the core's state and
// turns every user command into a call of the core; it never talks to the
// server itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int KeepAliveMs = 50000;
    static constexpr int DefaultNavigationWidth = 200;

    // `parts`: the areas' menus and pages (deskWindowParts() for the desk).
    MainWindow(Desk& desk, QtPort& port, const WindowParts& parts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Schedules the login on the event loop; it shows the login dialog again
    // after a failed connect or a refused login, and ends the program when
    // the dialog is cancelled.
    void startLogin();

    // Runs a call into the core. When the core ends the program, the window
    // closes and `programEnded` is emitted; returns false then.
    bool callCore(const std::function<void()>& work);
    bool ended() const;

    // Selects the report-tree node showing `text` (report windows locate a
    // typed account this way).
    void selectReportNode(const QString& text);
    // The toolbar's expand/collapse.
    void toggleTreeExpansion();

    Desk& desk() const { return desk_; }
    DeskView& view() { return view_; }
    // True while the window draws the core's state (widget signals then are
    // no user commands).
    bool drawing() const;
    NavigationPanel* navigation() const { return navigation_; }
    ContentPanel* content() const { return content_; }
    StatusPanel* statusPanel() const { return status_; }
    ActionHooks* hooks() const { return hooks_; }
    QTimer* keepAliveTimer() const { return keepAlive_; }
    // Navigation panel | content panel; its first size is remembered in
    // "DeskLayout.ini" of the desk's folder.
    QSplitter* panelSplitter() const { return panels_; }
    // The item of "业务管理" for a view.
    QAction* viewAction(ViewKind view) const { return menus_->viewAction(view); }
    // Menu items by caption, e.g. "修改密码", "开始结算", "关于...".
    QAction* menuAction(const QString& caption) const { return menus_->menuAction(caption); }
    // Where "使用说明" looks for the manual, in order (beside the program, then
    // the installation's documentation folder).
    void setManualPlaces(std::vector<std::string> places) { manualPlaces_ = std::move(places); }
    // The menus that the areas' menu tables fill.
    QMenu* menu(MenuPlace place) const { return menus_->menu(place); }
    QMenu* groupMenu() const { return menu(MenuPlace::GroupTree); }
    QMenu* administratorMenu() const { return menu(MenuPlace::AdministratorList); }
    QMenu* subAccountMenu() const { return menu(MenuPlace::SubAccountList); }
    QMenu* mainAccountMenu() const { return menu(MenuPlace::MainAccountList); }
    QMenu* linkMenu() const { return menu(MenuPlace::MainAccountLinkList); }

    // Redraws everything from the core's state.
    void redrawAll();

    // Shows the window as the user left it last time (DeskState.ini), or
    // maximized, the built-in layout.
    void showAsLeft();
    // Writes what the desk remembers: the window, the splitters, every
    // list's columns and sort, the dates of the report tabs and the
    // statement page, the folders of the file dialogs and the view. Also
    // when the window closes.
    void rememberLayout();
    // "视图 > 恢复默认布局": the built-in window size, splitters and columns.
    void restoreDefaultLayout();
    DeskMemory* memory() const { return memory_.get(); }
    // Panels | status list.
    QSplitter* rowSplitter() const { return rows_; }

    // The keys of "视图": F5 queries the page on screen again, Ctrl+F puts the
    // cursor in its search field, Ctrl+E exports what it exports, Ctrl+P and
    // Ctrl+Shift+P print and preview the statement.
    void refreshPage();
    void focusSearch();
    void exportPage();
    void printPage(bool preview);
    // The page on screen, by name: "accounts", "feeRates", "marginRates",
    // "risk", "log", or the report tab's ("statement", "funds", "trades" …).
    QString pageName() const;

    // The desktop's keyring for the remembered password ("保存账号和密码"):
    // the desk's own (QtKeychain); none in most tests.
    void setKeyring(PasswordKeyring* keyring) { keyring_ = keyring; }

signals:
    void loggedIn();
    // The program ends (0 after "退出" or a cancelled login).
    void programEnded(int exitCode);

protected:
    // Closing the window while the desk waits for the server asks whether
    // to stop waiting (which ends the session); otherwise it closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void runLogin();
    void storeLayout();
    void restoreRemembered();
    void restoreView();
    void giveWindowAccessKeys();
    bool pageExportsNow();
    // The enabled button of `page` with that caption (its access key aside).
    static QPushButton* pageButton(QWidget* page, const QString& caption);
    void endProgram(int exitCode);
    MenuCommands menuCommands();
    void connectNavigation();
    void connectContent();

    void scheduleReportTree();
    void rebuildReportTree();

    void chooseView(ViewKind view);
    void toolbarCommand(ToolbarCode code);
    void search();
    void advancedSearch();

    Desk& desk_;
    // Made first: it follows the desk's changes before the window draws them.
    DeskView view_;
    QtPort& port_;
    NavigationPanel* navigation_;
    ContentPanel* content_;
    StatusPanel* status_;
    CoreCalls* calls_;
    ActionHooks* hooks_;
    QTimer* keepAlive_;
    QSettings* layout_;
    QSplitter* panels_ = nullptr;
    QSplitter* rows_ = nullptr;
    std::unique_ptr<DeskMemory> memory_;
    PasswordKeyring* keyring_ = nullptr;
    std::unique_ptr<MenuBuilder> menus_;
    AccountListController* lists_ = nullptr;
    std::unique_ptr<DeskRedraw> redraw_;
    std::vector<std::string> manualPlaces_;
    int observer_ = 0;
    int statusListener_ = 0;
    bool loggedIn_ = false;
    bool reportTreeScheduled_ = false;
};

}  // namespace korvant::gui
