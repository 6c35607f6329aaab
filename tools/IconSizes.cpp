// Draws the application icon (SVG) at the usual sizes of the hicolor icon
// theme. Run by the build:
//   korvant-icon-sizes ICON.svg OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/SIZExSIZE/apps/korvant-desk.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: korvant-icon-sizes ICON.svg OUTPUT_DIR SIZE...\n");
        return 2;
    }
    const QString icon = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImageReader reader(icon);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (size <= 0 || image.isNull()) {
            std::fprintf(stderr, "korvant-icon-sizes: cannot draw %s at %s: %s (libqt6svg6)\n",
                         argv[1], argv[i], reader.errorString().toUtf8().constData());
            return 1;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder) ||
            !image.save(output.filePath(folder + QStringLiteral("/korvant-desk.png")))) {
            std::fprintf(stderr, "korvant-icon-sizes: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
