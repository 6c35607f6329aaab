#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <map>

#include "app/desk/ViewKind.h"
#include "gui/shell/FindOrNull.h"
#include "gui/shell/MenuTable.h"

class QAction;
class QMainWindow;
class QMenu;

namespace korvant::gui {

class ActionHooks;

// A caption without its access key and the key shown after it:
// "系统(&S)" → "系统", "修改(&M)\tEnter" → "修改".
QString plainCaption(const QString& text);
// A pop-up entry's caption with the key that does the same in the list
// shown after it ("修改(&M)" and Enter: "修改(&M)\tEnter").
QString withKeyText(const QString& caption, const QKeySequence& key);
// A pop-up menu's caption with its access key where it has one: "添加" →
// "添加(&A)" (menuAccessKey).
QString menuCaption(const char* caption);
// A view's caption, as its item of "业务管理" and its navigation button show it.
QString viewCaption(ViewKind view);

// What the menus run that is no action of the core.
struct MenuCommands {
    std::function<void()> quit;
    std::function<void()> manual;
    std::function<void()> about;
    std::function<void(ViewKind)> chooseView;
    std::function<void(WindowAction)> windowAction;
    // The enable rules of the menu tables.
    std::function<bool()> groupNodeSelected;
    std::function<bool()> recordSelected;
    // "视图": the keys of the page on screen and the built-in layout.
    std::function<void()> refresh;
    std::function<void()> find;
    std::function<void()> exportPage;
    std::function<void()> print;
    std::function<void()> preview;
    std::function<void()> restoreLayout;
    // Whether the page on screen exports, prints.
    std::function<bool()> pageExports;
    std::function<bool()> pagePrints;
};

// Builds the menu bar ("系统", "业务管理", "视图", "操作", "帮助") and the context
// menus from the areas' menu tables, each entry tied to its action code
// through the hooks, and finds them again by place or caption.
class MenuBuilder {
public:
    // `entries`: the menu tables of every area, in menu order within each place.
    MenuBuilder(QMainWindow& window, ActionHooks& hooks, MenuCommands commands,
                const MenuTable& entries);

    QMenu* menu(MenuPlace place) const;
    // The item of "业务管理" for a view.
    QAction* viewAction(ViewKind view) const;
    // Menu items by caption, e.g. "修改密码", "开始结算", "关于...".
    QAction* menuAction(const QString& caption) const;

private:
    void addEntry(const MenuEntry& entry);

    ActionHooks& hooks_;
    MenuCommands commands_;
    std::map<ViewKind, QAction*> viewActions_;
    std::map<QString, QAction*> menuActions_;
    std::map<MenuPlace, QMenu*> menus_;
};

}  // namespace korvant::gui
