#pragma once

#include <QObject>

#include <functional>

namespace korvant {
class DeskView;
}

namespace korvant::gui {

class ActionHooks;
class ContentPanel;
class MenuBuilder;

// The four account lists of the accounts view: each draws the core's page
// of its list, keeps the core's chosen rows current, opens its context
// menu, sorts through the core on a header click (with the sort indicator)
// and modifies on a double-click.
class AccountListController : public QObject {
    Q_OBJECT
public:
    // Runs a call into the core; false when the program ended.
    using Runner = std::function<bool(const std::function<void()>&)>;

    AccountListController(DeskView& view, ContentPanel& content, ActionHooks& hooks,
                          const MenuBuilder& menus, Runner run, QWidget* window);

    // Draws the list on screen from its cache; the chosen records that are
    // still listed stay chosen.
    void redraw();
    bool hasSelectedRecord() const;

private:
    void storeSelection();

    DeskView& view_;
    ContentPanel& content_;
    ActionHooks& hooks_;
    Runner run_;
};

}  // namespace korvant::gui
