#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;

// Printing a settlement statement: the text box's lines on pages with a
// margin of 0.3 inch, in a 9-point Song-style font, one line after the
// other; a line too wide for the page wraps and takes the room of its
// wraps. Shared by the desk's print, print preview and PDF export and by
// the command line's PDF export.
namespace korvant::print {

// Longest line printed, in characters.
inline constexpr int MaxPrintedLine = 2048;
// Margins and start of the first line, in 1/1000 inch.
inline constexpr double MarginThousandths = 300;

// The lines of a text: split at line ends (a CR before LF dropped), each
// cut to MaxPrintedLine characters.
QStringList statementLines(const QString& text);

// "宋体" at 9 points, or the first installed font that writes Chinese
// (fixed pitch preferred) when it is missing.
QFont statementFont();

struct PlacedLine {
    int page = 0;  // from 0
    int line = 0;  // index in the lines
    double x = 0;
    double y = 0;  // top of the line
    double width = 0;
    double height = 0;
    int wraps = 0;
};

// Places `lines` on pages of `page` (device units, the printable area),
// `margin` device units from the edges. For each line of width w and height
// h: wraps = w / (page width - margin) (whole number); when y + (wraps +
// 1.2) * h still ends at least `margin` above the bottom the line goes at
// (margin, y) and y moves down by that much, else a new page starts at y =
// margin with the same line. A line taller than a whole page goes alone on
// a fresh page.
std::vector<PlacedLine> layoutStatement(const QStringList& lines,
                                        const std::function<QSizeF(const QString&)>& measure,
                                        QSizeF page, double margin);

// Draws the text on `device` (a printer or a PDF writer): false when the
// painting cannot start. `pages` receives the number of pages drawn.
bool paintStatement(QPagedPaintDevice& device, const QString& text, int* pages = nullptr);

// The text as the bytes of a PDF file (A4, the font embedded); false when
// the painting cannot start.
bool statementPdf(const QString& text, QByteArray* bytes);

// Writes the text as a PDF file (A4, the font embedded), completely or not
// at all. On failure returns false and the reason in `error`.
bool writeStatementPdf(const QString& path, const QString& text, QString* error);

}  // namespace korvant::print
