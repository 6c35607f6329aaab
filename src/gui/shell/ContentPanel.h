#pragma once

#include <QWidget>

#include <map>

#include "app/desk/ViewKind.h"
#include "gui/shell/ToolbarTable.h"
#include "view/MainState.h"

class QAction;
class QIcon;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QToolButton;

namespace korvant::gui {

class AccountListView;
class PagerBar;
class SearchBar;

// The right panel: the toolbar with the search bar at its right end, the
// tab strip of the view, the lists under it and the pager bar.
// The icon of a toolbar button: the theme's, else the desk's own drawing.
QIcon toolbarIcon(const ToolbarButton& entry);

class ContentPanel : public QWidget {
    Q_OBJECT
public:
    explicit ContentPanel(QWidget* parent = nullptr);

    QToolBar* toolBar() const { return toolBar_; }
    // The toolbar's buttons, made from toolbarButtons(), and their actions
    // (a disabled action disables its button).
    QToolButton* toolButton(ToolbarCode code) const;
    QAction* toolAction(ToolbarCode code) const;
    QToolButton* groupMenuButton() const { return toolButton(ToolbarCode::GroupMenu); }
    QToolButton* newButton() const { return toolButton(ToolbarCode::New); }
    QToolButton* modifyButton() const { return toolButton(ToolbarCode::Modify); }
    QToolButton* deleteButton() const { return toolButton(ToolbarCode::Delete); }
    QToolButton* refreshButton() const { return toolButton(ToolbarCode::Refresh); }
    QToolButton* expandButton() const { return toolButton(ToolbarCode::Expand); }
    SearchBar* searchBar() const { return searchBar_; }
    PagerBar* pager() const { return pager_; }

    // " 主账号 ", " 管理员 " (root and first-level groups) and the same
    // plus " 子账号 " (second-level groups).
    QTabBar* twoTabStrip() const { return twoTab_; }
    QTabBar* threeTabStrip() const { return threeTab_; }
    // The tab strip of a view other than accounts (null when it has none).
    QTabBar* viewStrip(ViewKind view) const;

    AccountListView* list(AccountList which) const;

    // The page that a later area puts under the tab strip of its view; a
    // view with several pages (one per tab) sets the one of its tab. The
    // panel keeps every page it was given.
    void setViewPage(ViewKind view, QWidget* page);
    QWidget* viewPage(ViewKind view) const;

    // Shows the strip and the page of the view; in the accounts view the
    // account strip and the list of the state.
    void showView(ViewKind view, TabStrip strip, AccountList shown);
    // The widget under the strip now on screen.
    QWidget* currentPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToolbar();

    QToolBar* toolBar_;
    std::map<ToolbarCode, QToolButton*> toolButtons_;
    std::map<ToolbarCode, QAction*> toolActions_;
    int textToolbarWidth_ = 0;
    SearchBar* searchBar_;
    QTabBar* twoTab_;
    QTabBar* threeTab_;
    std::map<ViewKind, QTabBar*> viewStrips_;
    QStackedWidget* pages_;
    QWidget* emptyPage_;
    std::map<AccountList, AccountListView*> lists_;
    std::map<ViewKind, QWidget*> viewPages_;
    PagerBar* pager_;
};

}  // namespace korvant::gui
