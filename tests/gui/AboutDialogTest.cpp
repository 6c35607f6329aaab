// The About dialog: the service field appears only when the dialog opens
// with Shift held, and its button hands the typed text on and closes.
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/shell/AboutDialog.h"

namespace korvant::test {
namespace {

TEST(AboutDialog, TheServiceFieldShowsOnlyWithShiftAndSendsItsText) {
    guiApplication();
    gui::AboutDialog plain(false, {});
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("关于"));
    EXPECT_TRUE(plain.serviceField()->isHidden());
    EXPECT_TRUE(plain.serviceButton()->isHidden());

    std::vector<std::string> sent;
    gui::AboutDialog service(true, [&](const std::string& text) { sent.push_back(text); });
    service.show();
    EXPECT_TRUE(service.serviceField()->isVisible());
    ASSERT_TRUE(service.serviceButton()->isEnabled());
    service.serviceField()->setText(QStringLiteral("查询 状态"));
    service.serviceButton()->click();
    EXPECT_EQ(sent, std::vector<std::string>{"查询 状态"});
    EXPECT_FALSE(service.isVisible());
}

}  // namespace
}  // namespace korvant::test
