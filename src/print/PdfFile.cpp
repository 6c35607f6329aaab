#include "print/PdfFile.h"

#include <QGuiApplication>

#include <cstdio>

#include "print/StatementPrint.h"

namespace korvant::print {

bool statementPdfBytes(const std::string& utf8Text, std::string& bytes, std::string& error) {
    // A program of its own (the command line) gets an application on the
    // offscreen platform for its fonts; one that has one keeps it.
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notes (a missing runtime folder and the like) are no
        // messages of this program.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        });
        static int argc = 1;
        static char name[] = "korvant-cli";
        static char* argv[] = {name, nullptr};
        // Kept to the end of the process: taking it down while the process
        // exits would race Qt's own clean-up.
        new QGuiApplication(argc, argv);
    }
    QByteArray pdf;
    if (!statementPdf(QString::fromStdString(utf8Text), &pdf)) {
        error = "无法生成 PDF";
        return false;
    }
    bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    return true;
}

}  // namespace korvant::print
