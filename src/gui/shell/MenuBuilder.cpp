#include "gui/shell/MenuBuilder.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <utility>
#include <vector>

#include "gui/shell/ActionHooks.h"
#include "gui/shell/MenuKeys.h"

namespace korvant::gui {
namespace {

// "系统(&S)": the caption with its access key (Alt+S), shown as "系统(S)".
QString withAccessKey(const char* caption, char key) {
    return QString::fromUtf8(caption) + QStringLiteral("(&") + QLatin1Char(key) + QLatin1Char(')');
}

// The views: the items of "业务管理" and the navigation panel's buttons.
struct ViewItem {
    ViewKind view;
    const char* caption;
    char key;
};
constexpr ViewItem ViewItems[] = {
    {ViewKind::Accounts, "账号设置", 'A'},    {ViewKind::FeeRates, "手续费率", 'F'},
    {ViewKind::MarginRates, "保证金率", 'M'}, {ViewKind::Risk, "风险控制设置", 'R'},
    {ViewKind::Reports, "报表管理", 'P'},     {ViewKind::Logs, "日志管理", 'L'}};

}  // namespace

QString viewCaption(ViewKind view) {
    for (const ViewItem& item : ViewItems)
        if (item.view == view) return QString::fromUtf8(item.caption);
    return {};
}

QString plainCaption(const QString& text) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)$"));
    QString plain = text.left(text.indexOf(QLatin1Char('\t')));
    plain.remove(accessKey);
    return plain;
}

QString withKeyText(const QString& caption, const QKeySequence& key) {
    return caption + QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
}

QString menuCaption(const char* caption) {
    const char key = menuAccessKey(caption);
    return key != 0 ? withAccessKey(caption, key) : QString::fromUtf8(caption);
}

MenuBuilder::MenuBuilder(QMainWindow& window, ActionHooks& hooks, MenuCommands commands,
                         const MenuTable& entries)
    : hooks_(hooks), commands_(std::move(commands)) {
    QMenuBar* bar = window.menuBar();
    QMenu* system = bar->addMenu(withAccessKey("系统", 'S'));
    menus_[MenuPlace::System] = system;
    QMenu* business = bar->addMenu(withAccessKey("业务管理", 'B'));
    QMenu* view = bar->addMenu(withAccessKey("视图", 'V'));
    menus_[MenuPlace::Operations] = bar->addMenu(withAccessKey("操作", 'O'));
    QMenu* help = bar->addMenu(withAccessKey("帮助", 'H'));

    menus_[MenuPlace::GroupTree] = new QMenu(QStringLiteral("组快捷菜单"), &window);
    menus_[MenuPlace::AdministratorList] = new QMenu(QStringLiteral("管理员快捷菜单"), &window);
    menus_[MenuPlace::SubAccountList] = new QMenu(QStringLiteral("用户快捷菜单"), &window);
    menus_[MenuPlace::MainAccountList] = new QMenu(QStringLiteral("主账号"), &window);
    // The link list of a second-level group shares the sub-account menu's
    // title.
    menus_[MenuPlace::MainAccountLinkList] = new QMenu(QStringLiteral("用户快捷菜单"), &window);

    for (const MenuEntry& entry : entries) addEntry(entry);

    QAction* quit = system->addAction(withAccessKey("退出", 'X'));
    QObject::connect(quit, &QAction::triggered, &window, [this] { commands_.quit(); });
    menuActions_[QStringLiteral("退出")] = quit;

    for (const auto& [view, caption, key] : ViewItems) {
        QAction* item = business->addAction(withAccessKey(caption, key));
        item->setEnabled(false);
        QObject::connect(item, &QAction::triggered, &window,
                         [this, view = view] { commands_.chooseView(view); });
        viewActions_[view] = item;
    }

    // The keys of the page on screen, shown with their items; they work in
    // the whole window.
    struct ViewCommand {
        const char* caption;
        char key;
        QKeySequence shortcut;
        std::function<void()> MenuCommands::*command;
        std::function<bool()> MenuCommands::*enabled;
    };
    const ViewCommand viewCommands[] = {
        {"刷新", 'R', QKeySequence(Qt::Key_F5), &MenuCommands::refresh, nullptr},
        {"查找", 'F', QKeySequence(Qt::CTRL | Qt::Key_F), &MenuCommands::find, nullptr},
        {"导出", 'E', QKeySequence(Qt::CTRL | Qt::Key_E), &MenuCommands::exportPage,
         &MenuCommands::pageExports},
        {"打印", 'P', QKeySequence(Qt::CTRL | Qt::Key_P), &MenuCommands::print,
         &MenuCommands::pagePrints},
        {"打印预览", 'W', QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &MenuCommands::preview,
         &MenuCommands::pagePrints},
    };
    std::vector<std::pair<QAction*, std::function<bool()> MenuCommands::*>> gated;
    for (const ViewCommand& entry : viewCommands) {
        QAction* item = view->addAction(withAccessKey(entry.caption, entry.key));
        item->setShortcut(entry.shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(item, &QAction::triggered, &window, [this, command = entry.command] {
            if (commands_.*command) (commands_.*command)();
        });
        menuActions_[QString::fromUtf8(entry.caption)] = item;
        if (entry.enabled != nullptr) gated.emplace_back(item, entry.enabled);
    }
    view->addSeparator();
    QAction* restore = view->addAction(withAccessKey("恢复默认布局", 'D'));
    QObject::connect(restore, &QAction::triggered, &window, [this] {
        if (commands_.restoreLayout) commands_.restoreLayout();
    });
    menuActions_[QStringLiteral("恢复默认布局")] = restore;
    // Shown greyed where the page has no such command; the keys stay on
    // (they do nothing there).
    QObject::connect(view, &QMenu::aboutToShow, &window, [this, gated] {
        for (const auto& [item, enabled] : gated)
            item->setEnabled(!(commands_.*enabled) || (commands_.*enabled)());
    });
    QObject::connect(view, &QMenu::aboutToHide, &window, [gated] {
        for (const auto& entry : gated) entry.first->setEnabled(true);
    });

    QAction* manual = help->addAction(withAccessKey("使用说明", 'M'));
    QObject::connect(manual, &QAction::triggered, &window, [this] { commands_.manual(); });
    QAction* about = help->addAction(withAccessKey("关于...", 'A'));
    QObject::connect(about, &QAction::triggered, &window, [this] { commands_.about(); });
    menuActions_[QStringLiteral("使用说明")] = manual;
    menuActions_[QStringLiteral("关于...")] = about;

    for (MenuPlace place :
         {MenuPlace::GroupTree, MenuPlace::AdministratorList, MenuPlace::SubAccountList,
          MenuPlace::MainAccountList, MenuPlace::MainAccountLinkList})
        QObject::connect(menus_[place], &QMenu::aboutToShow, &hooks_, &ActionHooks::refresh);
}

void MenuBuilder::addEntry(const MenuEntry& entry) {
    const QString caption = QString::fromUtf8(entry.caption);
    QString text = menuCaption(entry.caption);
    // The keys of a list that do what its pop-up's entries do.
    const bool list =
        entry.place == MenuPlace::AdministratorList || entry.place == MenuPlace::SubAccountList ||
        entry.place == MenuPlace::MainAccountList || entry.place == MenuPlace::MainAccountLinkList;
    if (list && caption.startsWith(QStringLiteral("修改")))
        text = withKeyText(text, QKeySequence(Qt::Key_Enter));
    else if (list && caption.startsWith(QStringLiteral("删除")))
        text = withKeyText(text, QKeySequence(Qt::Key_Delete));
    else if (entry.place == MenuPlace::GroupTree && caption == QStringLiteral("刷新"))
        text = withKeyText(text, QKeySequence(Qt::Key_F5));
    QAction* item = menus_.at(entry.place)->addAction(text);
    ActionHooks::Condition condition;
    switch (entry.enable) {
        case EnableRule::Handler:
            break;
        case EnableRule::GroupNode:
            condition = [this] { return commands_.groupNodeSelected(); };
            break;
        case EnableRule::RecordRow:
            condition = [this] { return commands_.recordSelected(); };
            break;
    }
    if (entry.window != nullptr) {
        hooks_.hook(
            item, [this, action = entry.window] { commands_.windowAction(action); },
            std::move(condition));
        menuActions_[caption] = item;
        return;
    }
    ActionHooks::Argument argument;
    if (entry.argument) argument = [value = *entry.argument] { return ArgumentVariant{value}; };
    hooks_.hook(item, entry.code, std::move(argument), std::move(condition));
    if (entry.place == MenuPlace::System || entry.place == MenuPlace::Operations)
        menuActions_[caption] = item;
}

QMenu* MenuBuilder::menu(MenuPlace place) const {
    return findOrNull(menus_, place);
}

QAction* MenuBuilder::viewAction(ViewKind view) const {
    return findOrNull(viewActions_, view);
}

QAction* MenuBuilder::menuAction(const QString& caption) const {
    auto it = menuActions_.find(caption);
    if (it != menuActions_.end()) return it->second;
    for (const auto& [view, action] : viewActions_)
        if (plainCaption(action->text()) == caption) return action;
    return nullptr;
}

}  // namespace korvant::gui
