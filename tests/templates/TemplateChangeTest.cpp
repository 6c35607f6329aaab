#include <gtest/gtest.h>

#include "TemplateDeskFixture.h"
#include "app/actions/ActionDispatcher.h"
#include "templates/TemplateForms.h"
#include "templates/TemplateTree.h"
#include "templates/TemplateViews.h"

namespace korvant::test {
namespace {

std::function<bool(TemplateNameForm&)> typeName(const std::string& name) {
    return [name](TemplateNameForm& form) {
        form.name = name;
        return true;
    };
}

TEST(TemplateTree, GroupsOfTwoCharactersWithTheirTemplatesAndPopUpsByNodeType) {
    TemplateDeskFixture f;
    TemplateNode root = buildTemplateTree(f.desk.reference(), feeKind());
    EXPECT_EQ(root.text, "Korvant平台");
    ASSERT_EQ(root.children.size(), 2u);  // "01" and "02"; not the root nor "0101"
    EXPECT_EQ(root.children[0].text, "华东");
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].text, "标准");
    EXPECT_EQ(root.children[0].children[0].templateId, 7);
    // The template of group "09" has no node.
    EXPECT_EQ(findTemplateNode(root, "09", 9), nullptr);
    EXPECT_TRUE(templateNodeMenu(TemplateNodeType::Root).empty());
    EXPECT_EQ(std::string(templateNodeMenu(TemplateNodeType::Group)[1].caption), "导入");
    EXPECT_EQ(templateNodeMenu(TemplateNodeType::Template).size(), 3u);
}

TEST(TemplateChange, AddCutsTheNameAndQueriesTheListAgain) {
    TemplateDeskFixture f;
    f.chooseNode(marginKind(), TemplateNodeType::Group, "02", 0);
    const std::string longName(64, 'n');
    f.port.queueForm<TemplateNameForm>(typeName(longName));
    f.desk.dispatcher().send(ActionCode::AddMarginTemplate);
    auto adds = f.requestsOf(cmd::AddMarginTemplate);
    ASSERT_EQ(adds.size(), 1u);
    ASSERT_EQ(adds[0].size(), 84u);
    EXPECT_EQ(f.textAt(adds[0], 4, 64), std::string(63, 'n'));
    EXPECT_EQ(f.textAt(adds[0], 68, 16), "02");
    EXPECT_EQ(f.requestsOf(cmd::MarginTemplateList).size(), 1u);
    // The margin add starts as "添加保证金模板" and succeeds as "添加保证金率模板".
    EXPECT_EQ(f.statusRows(), (std::vector<std::string>{
                                  "添加保证金模板|添加 " + std::string(63, 'n'),
                                  "添加保证金率模板|添加 " + std::string(63, 'n') + " 成功！"}));
}

TEST(TemplateChange, AddFailuresWriteTheirRows) {
    TemplateDeskFixture f;
    f.chooseNode(feeKind(), TemplateNodeType::Group, "01", 0);
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::resultPacket(1, "名称已存在") : Bytes{};
    };
    f.port.queueForm<TemplateNameForm>(typeName("甲"));
    f.desk.dispatcher().send(ActionCode::AddFeeTemplate);
    EXPECT_EQ(f.statusRows().back(), "添加失败|名称已存在");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
    EXPECT_TRUE(f.requestsOf(cmd::FeeTemplateList).empty());

    f.answer = [](const Bytes& r) {
        return r[3] == cmd::AddFeeTemplate ? FakeServer::packet(cmd::FeeRates) : Bytes{};
    };
    f.port.queueForm<TemplateNameForm>(typeName("乙"));
    f.desk.dispatcher().send(ActionCode::AddFeeTemplate);
    EXPECT_EQ(f.statusRows().back(), "添加失败|解析数据包失败");
    EXPECT_TRUE(f.port.hasMessage("服务器返回非确认包, 无法确定操作是否失败。"));
}

TEST(TemplateChange, ARefusedRenameAlwaysSaysTheNameExists) {
    TemplateDeskFixture f;
    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::ModifyFeeTemplate ? FakeServer::resultPacket(1, "其他原因") : Bytes{};
    };
    f.port.queueForm<TemplateNameForm>([](TemplateNameForm& form) {
        EXPECT_EQ(form.caption, "修改");
        EXPECT_EQ(form.name, "标准");
        form.name = "新名";
        return true;
    });
    f.desk.dispatcher().send(ActionCode::ModifyFeeTemplate);
    auto renames = f.requestsOf(cmd::ModifyFeeTemplate);
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(getI32(renames[0].data() + 84), 7);
    EXPECT_EQ(f.port.lastMessage().text, "该手续费率模板已存在");
    EXPECT_EQ(f.statusRows().back(), "修改手续费率模板|修改 新名 失败！");

    f.answer = [](const Bytes& r) {
        return r[3] == cmd::ModifyFeeTemplate ? FakeServer::packet(cmd::FeeRates) : Bytes{};
    };
    f.port.queueForm<TemplateNameForm>(typeName("新名"));
    f.desk.dispatcher().send(ActionCode::ModifyFeeTemplate);
    EXPECT_EQ(f.port.lastMessage().text, "服务器返回非确认包, 无法确定操作是否失败!");
}

TEST(TemplateChange, DeleteAsksFirstAndTheMarginSuccessRowHasNoExclamation) {
    TemplateDeskFixture f;
    f.chooseNode(marginKind(), TemplateNodeType::Template, "01", 5);
    f.desk.dispatcher().send(ActionCode::DeleteMarginTemplate);  // answered No
    EXPECT_TRUE(f.requestsOf(cmd::DeleteMarginTemplate).empty());
    EXPECT_EQ(f.port.questions.back().message.text, "删除该保证金率模板？");
    EXPECT_TRUE(f.port.questions.back().message.defaultNo);

    f.port.answerYes();
    f.desk.dispatcher().send(ActionCode::DeleteMarginTemplate);
    auto deletes = f.requestsOf(cmd::DeleteMarginTemplate);
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(f.textAt(deletes[0], 4, 64), "保证金A");
    EXPECT_EQ(f.statusRows().back(), "删除保证金率模板|删除 保证金A 成功");
    // The template that is gone leaves the screen: no template chosen.
    const TemplateView& margin = templateView(f.desk, marginKind());
    EXPECT_EQ(margin.page.templateId(), 0);
    EXPECT_FALSE(margin.page.enabled());
    EXPECT_FALSE(margin.node.has_value());

    f.chooseNode(feeKind(), TemplateNodeType::Template, "01", 7);
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::DeleteFeeTemplate ? FakeServer::resultPacket(1, "在用") : Bytes{};
    };
    f.port.answerYes();
    f.desk.dispatcher().send(ActionCode::DeleteFeeTemplate);
    EXPECT_EQ(f.statusRows().back(), "删除手续费率模板|删除 标准 失败！在用");
    EXPECT_EQ(templateView(f.desk, feeKind()).page.templateId(), 7) << "still there";
}

class Assignment : public ::testing::Test {
protected:
    void SetUp() override {
        SubAccount s;
        s.account = "1234567890123456789";
        f.desk.accounts().subAccounts.records = {s};
        f.view.state().selectedRows = {0};
        f.view.state().group = CurrentGroup{4, "0101", "上海"};
    }
    TemplateDeskFixture f;
};

TEST_F(Assignment, ThePickerOffersTheGroupsTemplatesAfterNoTemplate) {
    f.desk.reference().feeTemplates.records.push_back(f.fee(11, "标准", "02"));
    f.port.queueForm<TemplatePickerForm>([](TemplatePickerForm& form) {
        EXPECT_EQ(form.caption, "加载手续费率");
        EXPECT_EQ(form.label, "可选手续费率模板:");
        EXPECT_EQ(form.entries, (std::vector<std::string>{"不使用模版", "标准"}));
        EXPECT_EQ(form.choice, 0);
        return true;
    });
    f.desk.dispatcher().send(ActionCode::LoadFeeTemplate);
    auto loads = f.requestsOf(cmd::LoadFeeTemplate);
    ASSERT_EQ(loads.size(), 1u);
    ASSERT_EQ(loads[0].size(), 84u);
    EXPECT_EQ(f.textAt(loads[0], 4, 16), "123456789012345");
    EXPECT_EQ(f.textAt(loads[0], 20, 64), "");
    EXPECT_EQ(f.requestsOf(cmd::SubAccountList).size(), 1u);
    EXPECT_EQ(f.statusRows(),
              (std::vector<std::string>{"加载手续费率模板|加载手续费率模板:",
                                        "加载手续费率模板|加载手续费率模板:成功！"}));
}

TEST_F(Assignment, ARefusalWritesTheServersTextAndRefreshesNothing) {
    f.answer = [](const Bytes& r) {
        return r[3] == cmd::LoadMarginTemplate ? FakeServer::resultPacket(1, "不行") : Bytes{};
    };
    f.port.queueForm<TemplatePickerForm>([](TemplatePickerForm& form) {
        form.choice = 1;
        return true;
    });
    f.desk.dispatcher().send(ActionCode::LoadMarginTemplate);
    EXPECT_EQ(f.textAt(f.requestsOf(cmd::LoadMarginTemplate)[0], 20, 64), "保证金A");
    EXPECT_EQ(f.statusRows().back(), "加载保证金率模板|加载保证金率模板:保证金A失败！不行");
    EXPECT_EQ(f.port.lastMessage().text, "不行");
    EXPECT_TRUE(f.requestsOf(cmd::SubAccountList).empty());
}

}  // namespace
}  // namespace korvant::test

namespace korvant::test {
namespace {

// A text left out of one kind is null, and a text copied from the other kind
// names the wrong rate: both show here.
TEST(TemplateKind, EveryTextOfAKindIsWrittenOutAndNamesItsOwnRate) {
    for (const TemplateKind* kind : {&feeKind(), &marginKind()}) {
        const std::string word = kind->word;
        const std::vector<const char*> own = {kind->rates.dialogCaption,
                                              kind->rates.rowMenuText,
                                              kind->changes.add.startTitle,
                                              kind->changes.rename.startTitle,
                                              kind->changes.remove.startTitle,
                                              kind->changes.deleteQuestion,
                                              kind->assign.assignCaption,
                                              kind->assign.assignLabel,
                                              kind->assign.assignTitle,
                                              kind->csv.exportCaption,
                                              kind->csv.importCaption,
                                              kind->csv.importFilter,
                                              kind->csv.exportDone,
                                              kind->csv.exportFailed,
                                              kind->csv.importQuestion};
        for (const char* text : own) {
            ASSERT_NE(text, nullptr) << word;
            EXPECT_NE(std::string(text).find(word.substr(0, 6)), std::string::npos) << text;
        }
        for (const TemplateChangeTexts* change :
             {&kind->changes.add, &kind->changes.rename, &kind->changes.remove})
            for (const char* text :
                 {change->successTitle, change->failureTitle, change->startFormat,
                  change->successFormat, change->failureFormat, change->lostFormat,
                  change->notAcknowledged})
                EXPECT_NE(text, nullptr) << word;
        EXPECT_NE(kind->rates.absoluteText, nullptr);
        EXPECT_NE(kind->rates.dialogNote, nullptr);
    }
}

}  // namespace
}  // namespace korvant::test
