#include "print/StatementPrint.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
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

bool paintStatement(QPagedPaintDevice& device, const QString& text, int* pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QFont font = statementFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double margin = MarginThousandths / 1000.0 * device.logicalDpiY();
    const QSizeF area(device.width(), device.height());
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

bool statementPdf(const QString& text, QByteArray* bytes) {
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1000);  // device units of 1/1000 inch
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("打印结算单"));
    writer.setCreator(QStringLiteral("Korvant"));
    return paintStatement(writer, text);
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
    {
        QPdfWriter writer(&file);
        writer.setResolution(1000);  // device units of 1/1000 inch
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("打印结算单"));
        writer.setCreator(QStringLiteral("Korvant"));
        if (!paintStatement(writer, text)) {
            file.cancelWriting();
            if (error != nullptr) *error = QStringLiteral("无法生成PDF");
            return false;
        }
    }
    if (!file.commit()) {
        if (error != nullptr) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace korvant::print
