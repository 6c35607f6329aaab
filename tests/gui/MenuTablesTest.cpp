// The menus built from the areas' menu tables: captions in table order,
// entries enabled by the core's handlers and their enable rules.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTreeView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/shell/ActionHooks.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/MenuKeys.h"
#include "gui/shell/MenuTable.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateTree.h"

namespace korvant::test {
namespace {

QStringList captions(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << gui::plainCaption(action->text());
    return texts;
}

TEST(MenuTables, BuildTheMenuBarAndTheContextMenusInTableOrder) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::MainWindow& window = *t.window;

    QStringList bar;
    // Each menu of the bar opens with Alt and its key.
    for (const QAction* action : window.menuBar()->actions()) {
        EXPECT_TRUE(action->text().contains(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)$"))))
            << action->text().toStdString();
        bar << gui::plainCaption(action->text());
    }
    EXPECT_EQ(bar, (QStringList{"系统", "业务管理", "视图", "操作", "帮助"}));
    EXPECT_EQ(captions(window.menu(gui::MenuPlace::System)), (QStringList{"修改密码", "退出"}));
    EXPECT_EQ(captions(window.menu(gui::MenuPlace::Operations)),
              (QStringList{"交易参数", "开始结算", "结算价设置", "清除结算数据"}));
    EXPECT_EQ(captions(window.groupMenu()),
              (QStringList{"添加", "修改", "删除", "刷新", "加载风控策略"}));
    EXPECT_EQ(captions(window.mainAccountMenu()),
              (QStringList{"添加主账号", "修改主账号", "删除主账号", "出入金", "加载风控策略",
                           "显示关联的子账号"}));
    EXPECT_EQ(window.linkMenu()->title(), window.subAccountMenu()->title());
    // Every entry has an access key, none twice in one menu; the keys of a
    // list are shown after the entries they run.
    for (gui::MenuPlace place :
         {gui::MenuPlace::System, gui::MenuPlace::Operations, gui::MenuPlace::GroupTree,
          gui::MenuPlace::AdministratorList, gui::MenuPlace::SubAccountList,
          gui::MenuPlace::MainAccountList, gui::MenuPlace::MainAccountLinkList}) {
        QSet<QChar> keys;
        for (const QAction* action : window.menu(place)->actions()) {
            const QRegularExpressionMatch key =
                QRegularExpression(QStringLiteral("\\(&([A-Z])\\)(\t.+)?$")).match(action->text());
            ASSERT_TRUE(key.hasMatch()) << action->text().toStdString();
            EXPECT_FALSE(keys.contains(key.captured(1).front())) << action->text().toStdString();
            keys.insert(key.captured(1).front());
        }
    }

    // A registered handler enables an entry (the settlement commands are
    // registered by the reports area); one without a handler stays off.
    EXPECT_TRUE(window.menuAction(QStringLiteral("修改密码"))->isEnabled());
    for (const char* caption : {"交易参数", "开始结算", "结算价设置", "清除结算数据"})
        EXPECT_TRUE(window.menuAction(QString::fromUtf8(caption))->isEnabled()) << caption;

    // Record rules wait for a selected row; the window's own command too.
    window.hooks()->refresh();
    EXPECT_TRUE(window.mainAccountMenu()->actions().at(0)->isEnabled());
    EXPECT_FALSE(window.mainAccountMenu()->actions().at(1)->isEnabled());
    EXPECT_FALSE(window.menuAction(QStringLiteral("显示关联的子账号"))->isEnabled());
    t.state().selectedRows = {0};
    window.hooks()->refresh();
    EXPECT_TRUE(window.mainAccountMenu()->actions().at(1)->isEnabled());
    EXPECT_TRUE(window.menuAction(QStringLiteral("显示关联的子账号"))->isEnabled());

    // Group rules wait for a node of the groups tree.
    QTreeView* groups = window.navigation()->groupTree();
    groups->setCurrentIndex(QModelIndex());
    window.hooks()->refresh();
    EXPECT_FALSE(window.groupMenu()->actions().at(1)->isEnabled());
    EXPECT_TRUE(window.groupMenu()->actions().at(3)->isEnabled());
    gui::NodeTreeModel* model = window.navigation()->groupModel();
    groups->setCurrentIndex(model->indexOfNode(0));
    window.hooks()->refresh();
    EXPECT_TRUE(window.groupMenu()->actions().at(1)->isEnabled());
}

// The template trees' and rate lists' pop-ups have access keys as the
// account menus do, none twice in one menu.
TEST(MenuTables, TemplatePopUpsHaveAccessKeys) {
    std::vector<std::vector<const char*>> menus = {{feeKind().rates.rowMenuText},
                                                   {marginKind().rates.rowMenuText}};
    for (TemplateNodeType type : {TemplateNodeType::Group, TemplateNodeType::Template}) {
        menus.emplace_back();
        for (const TemplateMenuEntry& entry : templateNodeMenu(type))
            menus.back().push_back(entry.caption);
    }
    for (const std::vector<const char*>& menu : menus) {
        QSet<char> keys;
        for (const char* caption : menu) {
            const char key = gui::menuAccessKey(caption);
            EXPECT_NE(key, 0) << caption;
            EXPECT_FALSE(keys.contains(key)) << caption;
            keys.insert(key);
            EXPECT_TRUE(
                gui::menuCaption(caption).endsWith(QStringLiteral("(&%1)").arg(QLatin1Char(key))));
        }
    }
}

}  // namespace
}  // namespace korvant::test
