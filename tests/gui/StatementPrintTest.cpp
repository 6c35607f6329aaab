// The printed layout of a statement: where each line goes, on which page.
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

#include "gui/GuiHarness.h"
#include "print/StatementPrint.h"

namespace korvant::test {
namespace {

using print::PlacedLine;

TEST(StatementPrint, LinesStepByTheirWrapsAndBreakPagesAtTheMargin) {
    struct Case {
        const char* name;
        double pageHeight;
        std::vector<double> widths;              // every line 100 units high
        std::vector<std::array<int, 3>> placed;  // page, y, wraps
    };
    // Page 1000 wide, margin 300: a line wraps once per 700 units of width.
    const std::vector<Case> cases = {
        {"a line ending exactly 300 above the bottom still fits",
         960,
         {0, 0, 0, 0, 0},
         {{{0, 300, 0}}, {{0, 420, 0}}, {{0, 540, 0}}, {{1, 300, 0}}, {{1, 420, 0}}}},
        {"wrapped lines take their wraps' room; a line taller than a page goes alone",
         1000,
         {100, 1400, 0, 7000, 100},
         {{{0, 300, 0}}, {{1, 300, 2}}, {{2, 300, 0}}, {{3, 300, 10}}, {{4, 300, 0}}}},
    };
    for (const Case& c : cases) {
        QStringList lines;
        for (double w : c.widths) lines << QString::number(w);
        const auto measure = [](const QString& line) { return QSizeF(line.toDouble(), 100); };
        const std::vector<PlacedLine> placed =
            print::layoutStatement(lines, measure, QSizeF(1000, c.pageHeight), 300);
        ASSERT_EQ(placed.size(), c.placed.size()) << c.name;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].line, static_cast<int>(i));
            EXPECT_EQ(placed[i].x, 300) << c.name;
            EXPECT_EQ(placed[i].page, c.placed[i][0]) << c.name << " line " << i;
            EXPECT_DOUBLE_EQ(placed[i].y, c.placed[i][1]) << c.name << " line " << i;
            EXPECT_EQ(placed[i].wraps, c.placed[i][2]) << c.name << " line " << i;
        }
    }
}

TEST(StatementPrint, TextLinesAndPagesOfALongStatement) {
    guiApplication();
    const QString longLine(3000, QLatin1Char('x'));
    const QStringList lines =
        print::statementLines(QStringLiteral("结算单\r\n\r\n") + longLine + QStringLiteral("\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("结算单"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2].size(), print::MaxPrintedLine);

    QStringList many;
    for (int i = 0; i < 200; ++i) many << QStringLiteral("第 %1 行 客户权益").arg(i);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1000);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    int pages = 0;
    ASSERT_TRUE(print::paintStatement(writer, many.join(QLatin1Char('\n')), &pages));
    // A4 at 9 points holds some 60 to 80 lines a page.
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 4);
}

// The printer (which the print preview draws on too), with the margins a
// printer driver sets, and PDF files of any resolution put the statement on
// the same number of pages.
TEST(StatementPrint, PrinterPreviewAndPdfShareOneLayout) {
    guiApplication();
    QStringList lines;
    for (int i = 0; i < 400; ++i)
        lines << (i % 9 == 0 ? QStringLiteral("成交明细 ").repeated(30)
                             : QStringLiteral("%1  客户权益  %2").arg(i).arg(i * 1234.5));
    const QString text = lines.join(QLatin1Char('\n'));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    int printed = 0;
    ASSERT_TRUE(print::paintStatement(printer, text, &printed));
    EXPECT_GE(printed, 5);
    for (int dpi : {1000, 300}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        int pages = 0;
        ASSERT_TRUE(print::paintStatement(writer, text, &pages));
        EXPECT_EQ(pages, printed) << dpi;
    }
}

}  // namespace
}  // namespace korvant::test
