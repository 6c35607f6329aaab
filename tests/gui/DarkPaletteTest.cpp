// The desk follows the palette it is given: under a dark palette (a dark
// desktop theme) the lists, the trees and the status list draw light text
// on a dark ground, nothing of theirs stays white or black. With
// KORVANT_SCREENSHOT_DIR set it also writes dark-main-window.png.
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/StatusPanel.h"

namespace korvant::test {
namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    dark.setColor(QPalette::Button, QColor(53, 53, 56));
    dark.setColor(QPalette::ButtonText, QColor(220, 220, 220));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 56));
    dark.setColor(QPalette::ToolTipText, QColor(220, 220, 220));
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return dark;
}

// The darkest and the lightest pixel of a widget as drawn.
std::pair<int, int> lightnessRange(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const int l = QColor(image.pixel(x, y)).lightness();
            darkest = std::min(darkest, l);
            lightest = std::max(lightest, l);
        }
    return {darkest, lightest};
}

// The share of a widget's pixels that are dark.
double darkShare(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int dark = 0;
    int all = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            ++all;
            if (QColor(image.pixel(x, y)).lightness() < 90) ++dark;
        }
    return all == 0 ? 0 : static_cast<double>(dark) / all;
}

TEST(DarkPalette, ListsTreesAndTheStatusListFollowIt) {
    QApplication& app = guiApplication();
    const QPalette before = QApplication::palette();
    const QString style = app.style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    {
        DeskUnderTest t;
        ASSERT_TRUE(t.loginAs("admin", "admin"));
        ASSERT_TRUE(t.selectGroup(5));
        t.window->content()->threeTabStrip()->setCurrentIndex(2);
        auto* list = t.window->content()->list(AccountList::SubAccounts);
        ASSERT_TRUE(waitUntil([&] { return list->rows() > 2; }));
        waitUntil([] { return false; }, 200);
        // Mostly dark ground, with light text on it.
        for (QWidget* part : std::initializer_list<QWidget*>{
                 list->viewport(), t.window->navigation()->groupTree()->viewport()}) {
            EXPECT_GT(darkShare(part), 0.6) << part->parentWidget()->metaObject()->className();
            EXPECT_GT(lightnessRange(part).second, 150)
                << part->parentWidget()->metaObject()->className();
        }
        EXPECT_GT(darkShare(t.window->statusPanel()->list()->viewport()), 0.6);
        const QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            t.window->resize(1100, 640);
            waitUntil([] { return false; }, 200);
            EXPECT_TRUE(t.window->grab().save(
                QDir(folder).filePath(QStringLiteral("dark-main-window.png"))));
        }
    }
    QApplication::setPalette(before);
    QApplication::setStyle(style);
}

}  // namespace
}  // namespace korvant::test
