#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/actions/ActionDispatcher.h"

namespace korvant {
namespace {

TEST(ActionDispatcher, SentActionsRunAtOncePostedOnesWhenDrained) {
    ActionDispatcher d;
    std::vector<std::string> log;
    int hooks = 0;
    d.postHook = [&] { ++hooks; };
    d.registerHandler(ActionCode::NextPage, [&](const ActionMessage&) { log.push_back("next"); });
    d.registerHandler(ActionCode::GoToPage, [&](const ActionMessage& m) {
        log.push_back("goto " + std::to_string(m.intArg(-1)));
    });

    d.post(ActionCode::GoToPage, 4);
    d.send(ActionCode::NextPage);
    EXPECT_EQ(log, std::vector<std::string>{"next"});
    EXPECT_EQ(hooks, 1);
    EXPECT_EQ(d.pendingCount(), 1u);
    d.drainPosted();
    EXPECT_EQ(log, (std::vector<std::string>{"next", "goto 4"}));
    EXPECT_EQ(d.pendingCount(), 0u);
}

TEST(ActionDispatcher, UnknownActionsAreIgnoredAndPostsDuringADrainWaitForTheNext) {
    ActionDispatcher d;
    std::vector<int> log;
    d.send(ActionCode::AddRiskStrategy);  // nothing registered: ignored
    d.registerHandler(ActionCode::SwitchView, [&](const ActionMessage& m) {
        log.push_back(m.intArg());
        if (m.intArg() == 2) d.post(ActionCode::SwitchView, 3);
    });
    d.post(ActionCode::SwitchView, 2);
    d.post(ActionCode::SwitchView, 5);
    d.drainPosted();
    EXPECT_EQ(log, (std::vector<int>{2, 5}));
    d.drainPosted();
    EXPECT_EQ(log, (std::vector<int>{2, 5, 3}));
    // A non-int argument reads as the fallback.
    EXPECT_EQ((ActionMessage{ActionCode::Search, SearchFilter{}}).intArg(-7), -7);
}

TEST(ActionDispatcher, AnEndingActionKeepsTheRestQueued) {
    ActionDispatcher d;
    int ran = 0;
    d.registerHandler(ActionCode::NextPage, [&](const ActionMessage&) { throw 1; });
    d.registerHandler(ActionCode::PreviousPage, [&](const ActionMessage&) { ++ran; });
    d.post(ActionCode::NextPage);
    d.post(ActionCode::PreviousPage);
    EXPECT_THROW(d.drainPosted(), int);
    EXPECT_EQ(d.pendingCount(), 1u);
    d.drainPosted();
    EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace korvant
