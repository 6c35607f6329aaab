#include "print/StatementPrint.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace korvant::print {

QStringList statementLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.size() > MaxPrintedLine) line.truncate(MaxPrintedLine);
    }
    return lines;
}

QFont statementFont() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* wanted : {"宋体", "SimSun", "NSimSun"})
            if (families.contains(QString::fromUtf8(wanted))) return QString::fromUtf8(wanted);
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        for (const QString& f : chinese)
            if (QFontDatabase::isFixedPitch(f) || f.contains(QLatin1String("Mono"))) return f;
        return chinese.isEmpty() ? QString() : chinese.first();
    }();
    QFont font(family);
    font.setPointSizeF(9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

std::vector<PlacedLine> layoutStatement(const QStringList& lines,
                                        const std::function<QSizeF(const QString&)>& measure,
                                        QSizeF page, double margin) {
    std::vector<PlacedLine> placed;
    placed.reserve(static_cast<std::size_t>(lines.size()));
    const double wrapWidth = page.width() - margin;
    const double bottom = page.height() - margin;
    int pageIndex = 0;
    double y = margin;
    bool pageEmpty = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QSizeF size = measure(lines[i]);
        const int wraps = wrapWidth > 0 ? static_cast<int>(size.width() / wrapWidth) : 0;
        const double step = (wraps + 1.2) * size.height();
        if (y + step > bottom && !pageEmpty) {
            ++pageIndex;
            y = margin;
        }
        placed.push_back({pageIndex, i, margin, y, size.width(), size.height(), wraps});
        y += step;
        pageEmpty = false;
    }
    return placed;
}

namespace {

// The statement is laid out in 1/1000 inch, the same for every device (a
// printer, the print preview, a PDF file at any resolution), and drawn
// scaled to the device: the same lines go on the same pages everywhere.
constexpr double LayoutDpi = 1000;

// The statement font sized in layout units (9 points), unhinted so that its
// measures do not depend on the device.
QFont layoutFont() {
    QFont font = statementFont();
    font.setPixelSize(qRound(font.pointSizeF() * LayoutDpi / 72));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A device of the layout's resolution to measure the text on.
const QImage& layoutDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(LayoutDpi / 0.0254);
        i.setDotsPerMeterX(dotsPerMeter);
        i.setDotsPerMeterY(dotsPerMeter);
        return i;
    }();
    return image;
}

}  // namespace

bool paintStatement(QPagedPaintDevice& device, const QString& text, int* pages) {
    // The whole sheet: the statement keeps its own margins.
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.scale(device.logicalDpiX() / LayoutDpi, device.logicalDpiY() / LayoutDpi);
    const QFont font = layoutFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &layoutDevice());
    const double margin = MarginThousandths;
    const QSizeF area(device.width() * LayoutDpi / device.logicalDpiX(),
                      device.height() * LayoutDpi / device.logicalDpiY());
    const QStringList lines = statementLines(text);
    const auto measure = [&metrics](const QString& line) {
        return QSizeF(metrics.horizontalAdvance(line), metrics.height());
    };
    int page = 0;
    for (const PlacedLine& p : layoutStatement(lines, measure, area, margin)) {
        if (p.page != page) {
            device.newPage();
            page = p.page;
        }
        const QRectF box(p.x, p.y, area.width() - p.x, (p.wraps + 1) * p.height);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, lines[p.line]);
    }
    painter.end();
    if (pages != nullptr) *pages = page + 1;
    return true;
}

namespace {

// The statement as a PDF on `device`: A4, no margins, units of 1/1000 inch.
bool paintStatementPdf(QIODevice* device, const QString& text) {
    QPdfWriter writer(device);
    writer.setResolution(1000);  // device units of 1/1000 inch
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("打印结算单"));
    writer.setCreator(QStringLiteral("Korvant"));
    return paintStatement(writer, text);
}

}  // namespace

bool statementPdf(const QString& text, QByteArray* bytes) {
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    return paintStatementPdf(&buffer, text);
}

bool writeStatementPdf(const QString& path, const QString& text, QString* error) {
    // Only a regular file (or a link to one) is replaced: never a folder, a
    // device or a FIFO.
    const QFileInfo target(path);
    if ((target.exists() && !target.isFile()) || (target.isSymLink() && !target.exists())) {
        if (error != nullptr) *error = QStringLiteral("这不是普通文件, 不会被替换");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error != nullptr) *error = file.errorString();
        return false;
    }
    if (!paintStatementPdf(&file, text)) {
        file.cancelWriting();
        if (error != nullptr) *error = QStringLiteral("无法生成PDF");
        return false;
    }
    if (!file.commit()) {
        if (error != nullptr) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace korvant::print
