#include "gui/shell/DeskHelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include "app/exchange/FreeText.h"
#include "app/port/FrontEndPort.h"
#include "gui/shell/AboutDialog.h"

namespace korvant::gui {

void showAbout(Desk& desk, const std::function<bool(const std::function<void()>&)>& run,
               QWidget* parent) {
    const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    AboutDialog dialog(
        shift, [&](const std::string& text) { run([&] { sendFreeText(desk, text); }); }, parent);
    dialog.exec();
}

void openManual(FrontEndPort& port, const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        const QString path = QString::fromStdString(place);
        if (!QFileInfo(path).isFile()) continue;
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            port.warn("无法打开使用说明文档：" + QDir::toNativeSeparators(path).toStdString());
        return;
    }
    // A missing manual is said, with the places it was looked for.
    std::string text = "找不到使用说明文档，查找过：";
    for (const std::string& place : places) text += "\n" + place;
    port.warn(text);
}

}  // namespace korvant::gui
