#include "gui/shell/DeskHelp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#include "app/FreeText.h"
#include "app/FrontEndPort.h"
#include "gui/shell/AboutDialog.h"

namespace korvant::gui {

void showAbout(Desk& desk, const std::function<bool(const std::function<void()>&)>& run,
               QWidget* parent) {
    const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    AboutDialog dialog(
        shift, [&](const std::string& text) { run([&] { sendFreeText(desk, text); }); }, parent);
    dialog.exec();
}

void openManual(FrontEndPort& port) {
    const QString path = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("柜台管理说明文档.pdf"));
    if (!QFileInfo::exists(path)) {
        port.warn("找不到使用说明文档：" + QDir::toNativeSeparators(path).toStdString());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        port.warn("无法打开使用说明文档：" + QDir::toNativeSeparators(path).toStdString());
}

}  // namespace korvant::gui
