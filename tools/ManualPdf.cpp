// Renders the manual (the Markdown chapters of docs/manual/, in name order)
// into one PDF with the CJK font embedded. Run by the build:
//   korvant-manual-pdf OUTPUT.pdf MANUAL_DIR
// The PDF is written to a temporary file and renamed: it is complete or not
// there.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const FontFamily = "WenQuanYi Micro Hei";
// Widest picture on an A4 page with the 2 cm margins, in 96-dpi pixels.
constexpr double MaxImageWidth = 600;

int fail(const QString& text) {
    std::fprintf(stderr, "korvant-manual-pdf: %s\n", text.toUtf8().constData());
    return 1;
}

// Loads every picture and shrinks one wider than the page to the page's
// width.
bool fitImages(QTextDocument& doc, const QDir& base, QString& missing) {
    struct Fit {
        int position, length;
        QTextImageFormat format;
    };
    std::vector<Fit> fits;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            // Pictures are named relative to the manual's folder; each is
            // handed to the document under the name the chapter uses.
            const QImage image(base.filePath(format.name()));
            if (image.isNull()) {
                missing = format.name();
                return false;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            const QSize size = image.size();
            const double width = std::min<double>(size.width(), MaxImageWidth);
            format.setWidth(width);
            format.setHeight(size.height() * width / size.width());
            fits.push_back({fragment.position(), fragment.length(), format});
        }
    }
    for (const Fit& fit : fits) {
        QTextCursor cursor(&doc);
        cursor.setPosition(fit.position);
        cursor.setPosition(fit.position + fit.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(fit.format);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return fail(QStringLiteral("usage: korvant-manual-pdf OUTPUT.pdf MANUAL_DIR"));
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QDir base(QString::fromLocal8Bit(argv[2]));

    QString markdown;
    const QStringList chapters = base.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    if (chapters.isEmpty()) return fail(QStringLiteral("no chapters in ") + base.path());
    for (const QString& name : chapters) {
        QFile file(base.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read ") + name);
        markdown += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
    }
    if (!QFontDatabase::families().contains(QLatin1String(FontFamily)))
        return fail(QStringLiteral("the font \"%1\" is missing (fonts-wqy-microhei)")
                        .arg(QLatin1String(FontFamily)));

    QTextDocument doc;
    QFont font(QString::fromLatin1(FontFamily));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(base.absolutePath() + QLatin1Char('/')));
    doc.setMarkdown(markdown);
    QString missing;
    if (!fitImages(doc, base, missing)) return fail(QStringLiteral("missing picture ") + missing);

    const QString temporary = output + QStringLiteral(".part");
    {
        QPdfWriter writer(temporary);
        writer.setTitle(QStringLiteral("柜台管理说明文档"));
        writer.setCreator(QStringLiteral("Korvant"));
        writer.setResolution(300);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        doc.print(&writer);
    }
    QFile::remove(output);
    if (QFileInfo(temporary).size() == 0 || !QFile::rename(temporary, output)) {
        QFile::remove(temporary);
        return fail(QStringLiteral("cannot write ") + output);
    }
    return 0;
}
