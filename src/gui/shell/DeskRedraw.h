#pragma once

#include <functional>

#include "app/desk/DeskChange.h"

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class AccountListController;
class ActionHooks;
class ContentPanel;
class MenuBuilder;
class NavigationPanel;
class StatusPanel;

// The parts of the main window drawn from the core's state.
struct DrawnParts {
    NavigationPanel& navigation;
    ContentPanel& content;
    StatusPanel& status;
    ActionHooks& hooks;
    MenuBuilder& menus;
    AccountListController& lists;
};

// The redraw switch: each change the core announces redraws the part of the
// main window that shows it. While it draws, `drawing()` is true, so that
// the widgets' change signals are not taken for user commands.
class DeskRedraw {
public:
    DeskRedraw(DeskView& view, DrawnParts parts, std::function<void()> reportTreeStale);

    void change(DeskChange change);
    // Everything from the core's state (the report tree aside).
    void all();
    bool drawing() const { return depth_ > 0; }
    void statusRows();

    // Guards a drawing done elsewhere against the widgets' change signals.
    class Scope {
    public:
        explicit Scope(DeskRedraw& redraw) : depth_(redraw.depth_) { ++depth_; }
        ~Scope() { --depth_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        int& depth_;
    };

private:
    void session();
    void view();
    void tabs();
    void accountList();
    void pageLabel();
    void searchRange();
    void groupTree();
    void templateTrees();

    DeskView& view_;
    DrawnParts parts_;
    std::function<void()> reportTreeStale_;
    int depth_ = 0;
};

}  // namespace korvant::gui
