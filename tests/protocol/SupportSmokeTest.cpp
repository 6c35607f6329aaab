#include <gtest/gtest.h>

#include "protocol/ServerConnection.h"
#include "support/ScriptedPort.h"
#include "support/SimProcess.h"

namespace korvant {
namespace {

struct NameForm final : Form {
    const char* kind() const override { return "name"; }
    std::string name;
};

TEST(ScriptedPort, FormsAreFilledUntilAcceptedOrOutOfFillers) {
    test::ScriptedPort port;
    port.queueForm<NameForm>([](NameForm& f) {
        f.name = "";
        return true;
    });
    port.queueForm<NameForm>([](NameForm& f) {
        f.name = "ok";
        return true;
    });
    auto validator = [&](Form& f) {
        if (static_cast<NameForm&>(f).name.empty()) {
            port.error("名称不能为空");
            return false;
        }
        return true;
    };
    NameForm form;
    EXPECT_TRUE(port.editForm(form, validator));
    EXPECT_EQ(form.name, "ok");
    ASSERT_EQ(port.forms.size(), 1u);
    EXPECT_EQ(port.forms[0].refusals, 1);
    EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"名称不能为空"});

    // A refusal with no filler left cancels; no filler at all cancels.
    port.queueForm([](Form&) { return true; });
    NameForm empty;
    EXPECT_FALSE(port.editForm(empty, validator));
    EXPECT_FALSE(port.editForm(empty, validator));
    EXPECT_EQ(port.forms.size(), 3u);
}

TEST(ScriptedPort, QuestionsDefaultToNoAndEndProgramThrows) {
    test::ScriptedPort port;
    port.answerYes();
    EXPECT_TRUE(port.askYesNo({"删除?", "确认", MessageIcon::Question}));
    EXPECT_FALSE(port.askYesNo({"再删?", "确认", MessageIcon::Question}));
    ASSERT_EQ(port.questions.size(), 2u);
    EXPECT_FALSE(port.questions[1].answer);
    EXPECT_FALSE(port.chooseSaveFile("保存", "a.csv", {}).has_value());
    EXPECT_THROW(port.endProgram("  与服务器断开了!"), ProgramEnd);
    EXPECT_EQ(port.lastMessage().text, "  与服务器断开了!");
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Error);
}

TEST(SimProcess, StartsListensAndStops) {
    test::SimProcess sim("demo");
    ASSERT_TRUE(sim.ok()) << sim.error();
    EXPECT_EQ(sim.host(), "127.0.0.1");
    ServerConnection c;
    EXPECT_EQ(c.connect(sim.host(), sim.port()), 1);
    sendKeepAlive(c);
    c.close();
    sim.stop();
    EXPECT_FALSE(sim.ok());
}

}  // namespace
}  // namespace korvant
