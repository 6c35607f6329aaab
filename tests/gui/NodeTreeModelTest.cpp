// The bulk tree model and the navigation trees built from the core's data:
// the parent/row mapping a tree view relies on, lookup by text, and the
// report tree's conversion.
#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QTreeView>

#include <gtest/gtest.h>

#include "support/TestRecords.h"

#include "gui/GuiHarness.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/NavigationTrees.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

using gui::NodeTreeModel;

TEST(NodeTreeModel, IndexesMapToParentsAndRows) {
    guiApplication();
    NodeTreeModel::Builder builder;
    int a = builder.add(-1, "A", 1);
    int b = builder.add(-1, "B", 2);
    int a1 = builder.add(a, "A1", 3);
    int a2 = builder.add(a, "A2", 4);
    builder.add(a2, "A2x", -1);
    builder.add(b, "B1", 5);
    NodeTreeModel model;
    // Qt's own consistency checks of index(), parent() and rowCount().
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    model.reset(std::move(builder));

    ASSERT_EQ(model.rowCount(), 2);
    QModelIndex ia = model.index(0, 0);
    EXPECT_EQ(ia.data().toString(), QStringLiteral("A"));
    EXPECT_EQ(model.rowCount(ia), 2);
    QModelIndex ia2 = model.index(1, 0, ia);
    EXPECT_EQ(ia2.data().toString(), QStringLiteral("A2"));
    EXPECT_EQ(model.parent(ia2), ia);
    EXPECT_EQ(model.nodeOf(ia2), a2);
    EXPECT_EQ(model.indexOfNode(a1), model.index(0, 0, ia));
    EXPECT_EQ(model.parent(ia), QModelIndex());
    EXPECT_EQ(model.index(2, 0, ia), QModelIndex()) << "row beyond the children";
    EXPECT_EQ(model.index(0, 1, ia), QModelIndex()) << "one column only";
    EXPECT_EQ(model.data(model.index(0, 0, ia2), NodeTreeModel::NodeDataRole).toLongLong(), -1);

    // Depth first: "A2x" before "B1"; the first of equal texts wins.
    EXPECT_EQ(model.nodeOf(model.findText("A2x")), 4);
    EXPECT_FALSE(model.findText("none").isValid());
    std::vector<QModelIndex> second = model.childrenOfTopLevel();
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0].data().toString(), QStringLiteral("A1"));
    EXPECT_EQ(second[2].data().toString(), QStringLiteral("B1"));

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.findText("A").isValid());
}

TEST(NavigationTrees, GroupsUnderParentsAndTemplatesUnderFirstLevelGroups) {
    guiApplication();
    ReferenceData reference;
    reference.groups.records = {makeGroup(1, 0, "", "总部"), makeGroup(2, 1, "01", "华东"),
                                makeGroup(5, 2, "0101", "上海"), makeGroup(3, 1, "02", "华南"),
                                makeGroup(6, 2, "0102", "杭州")};
    NodeTreeModel groups;
    groups.reset(gui::groupTreeNodes(reference));
    ASSERT_EQ(groups.rowCount(), 1);
    QModelIndex root = groups.index(0, 0);
    ASSERT_EQ(groups.rowCount(root), 2);
    QModelIndex east = groups.index(0, 0, root);
    EXPECT_EQ(east.data().toString(), QStringLiteral("华东"));
    ASSERT_EQ(groups.rowCount(east), 2) << "children in cache order, after their parent";
    EXPECT_EQ(groups.index(1, 0, east).data().toString(), QStringLiteral("杭州"));
    EXPECT_EQ(groups.index(1, 0, root).data(NodeTreeModel::NodeDataRole).toInt(), 3);

    FeeTemplate fee;
    fee.id = 7;
    fee.name = "标准手续费";
    fee.groupCode = "02";
    FeeTemplate orphan;
    orphan.id = 8;
    orphan.name = "无主模板";
    orphan.groupCode = "09";
    reference.feeTemplates.records = {fee, orphan};
    NodeTreeModel fees;
    fees.reset(gui::feeTemplateTreeNodes(reference));
    QModelIndex platform = fees.index(0, 0);
    EXPECT_EQ(platform.data().toString(), QStringLiteral("Korvant平台"));
    ASSERT_EQ(fees.rowCount(platform), 2) << "first-level groups only";
    QModelIndex south = fees.index(1, 0, platform);
    ASSERT_EQ(fees.rowCount(south), 1);
    EXPECT_EQ(fees.index(0, 0, south).data(NodeTreeModel::NodeDataRole).toInt(), 7);
    EXPECT_EQ(fees.rowCount(fees.index(0, 0, platform)), 0);
    EXPECT_FALSE(fees.findText(QStringLiteral("无主模板")).isValid());
}

TEST(NavigationTrees, ReportTreeKeepsOrderAndNodeData) {
    guiApplication();
    std::vector<ReportTreeNode> roots(1);
    roots[0] = {"总部", 1, {}};
    ReportTreeNode shanghai{"上海", 5, {}};
    for (int i = 0; i < 3; ++i) shanghai.children.push_back({std::to_string(100101 + i), -1, {}});
    roots[0].children.push_back({"华东", 2, {shanghai, {"杭州", 6, {}}}});
    NodeTreeModel model;
    model.reset(gui::reportTreeNodes(roots));
    EXPECT_EQ(model.nodeCount(), countNodes(roots));
    QModelIndex account = model.findText("100103");
    ASSERT_TRUE(account.isValid());
    EXPECT_EQ(account.row(), 2);
    EXPECT_EQ(account.data(NodeTreeModel::NodeDataRole).toInt(), -1);
    EXPECT_EQ(account.parent().data().toString(), QStringLiteral("上海"));
    EXPECT_EQ(account.parent().data(NodeTreeModel::NodeDataRole).toInt(), 5);
    EXPECT_EQ(model.findText("杭州").row(), 1);
}

// A tree of 6 000 sub-accounts per group is expanded parents first, some
// groups at once and the rest in later turns; a new fill or the toolbar's
// toggle ends an expansion under way.
TEST(NavigationPanel, LargeTreesAreExpandedOverSeveralTurns) {
    guiApplication();
    gui::NavigationPanel panel;
    const auto tree = [](int groups) {
        NodeTreeModel::Builder nodes;
        const int root = nodes.add(-1, "总部", 1);
        for (int g = 0; g < groups; ++g) {
            const int group = nodes.add(root, "组" + std::to_string(g), 10 + g);
            for (int i = 0; i < 6000; ++i) nodes.add(group, std::to_string(i), -1);
        }
        return nodes;
    };
    const ViewKind reports = ViewKind::Reports;
    const auto expanded = [&](const char* text) {
        return panel.tree(reports)->isExpanded(panel.model(reports)->findText(text));
    };
    const auto finish = [&] {
        for (int turn = 0; turn < 20 && panel.expanding(reports); ++turn)
            QCoreApplication::processEvents();
    };

    panel.fillTree(reports, tree(3));
    EXPECT_TRUE(panel.expanding(reports));
    EXPECT_TRUE(expanded("总部") && expanded("组0") && expanded("组1"));
    EXPECT_FALSE(expanded("组2"));
    finish();
    EXPECT_FALSE(panel.expanding(reports));
    EXPECT_TRUE(expanded("组2"));

    panel.fillTree(reports, tree(3));
    panel.fillTree(reports, tree(4));
    finish();
    EXPECT_TRUE(expanded("组2") && expanded("组3")) << "the second fill expanded whole";

    panel.fillTree(reports, tree(3));
    panel.toggleExpansion(reports);
    EXPECT_FALSE(panel.expanding(reports));
    QCoreApplication::processEvents();
    EXPECT_FALSE(expanded("组0") || expanded("组1")) << "toggled, and the expansion did not go on";
}

}  // namespace
}  // namespace korvant::test
