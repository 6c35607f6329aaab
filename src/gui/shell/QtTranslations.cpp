#include "gui/shell/QtTranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvant::gui {
namespace {

// Qt's own texts in the desk's dialogs (the file dialog, its list and its
// questions, the standard buttons), for systems whose Qt translations do
// not carry Chinese texts for Qt's widgets.
class DeskQtTexts final : public QTranslator {
public:
    explicit DeskQtTexts(QObject* parent) : QTranslator(parent) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (!context || !sourceText) return {};
        const QLatin1StringView from(context);
        if (from != QLatin1StringView("QFileDialog") &&
            from != QLatin1StringView("QFileSystemModel") &&
            from != QLatin1StringView("QAbstractFileIconProvider") &&
            from != QLatin1StringView("QPlatformTheme") &&
            from != QLatin1StringView("QDialogButtonBox") &&
            from != QLatin1StringView("QMessageBox"))
            return {};
        static const QHash<QByteArray, QString> texts = {
            {"Look in:", QStringLiteral("查找范围:")},
            {"File &name:", QStringLiteral("文件名(&N):")},
            {"Files of type:", QStringLiteral("文件类型:")},
            {"Directory:", QStringLiteral("目录:")},
            {"&Open", QStringLiteral("打开(&O)")},
            {"&Save", QStringLiteral("保存(&S)")},
            {"&Choose", QStringLiteral("选择(&C)")},
            {"Open", QStringLiteral("打开")},
            {"Save", QStringLiteral("保存")},
            {"Save As", QStringLiteral("另存为")},
            {"Find Directory", QStringLiteral("选择文件夹")},
            {"Cancel", QStringLiteral("取消")},
            {"&Cancel", QStringLiteral("取消(&C)")},
            {"OK", QStringLiteral("确定")},
            {"&OK", QStringLiteral("确定(&O)")},
            {"Close", QStringLiteral("关闭")},
            {"&Yes", QStringLiteral("是(&Y)")},
            {"&No", QStringLiteral("否(&N)")},
            {"Back", QStringLiteral("后退")},
            {"Forward", QStringLiteral("前进")},
            {"Parent Directory", QStringLiteral("上一级")},
            {"Create New Folder", QStringLiteral("新建文件夹")},
            {"List View", QStringLiteral("列表")},
            {"Detail View", QStringLiteral("详细信息")},
            {"Sidebar", QStringLiteral("位置")},
            {"Files", QStringLiteral("文件")},
            {"Recent Places", QStringLiteral("最近访问")},
            {"New Folder", QStringLiteral("新建文件夹")},
            {"&New Folder", QStringLiteral("新建文件夹(&N)")},
            {"&Rename", QStringLiteral("重命名(&R)")},
            {"&Delete", QStringLiteral("删除(&D)")},
            {"Show &hidden files", QStringLiteral("显示隐藏文件(&H)")},
            {"All Files (*)", QStringLiteral("所有文件 (*)")},
            {"Are you sure you want to delete '%1'?", QStringLiteral("确定要删除“%1”吗？")},
            {"Could not delete directory.", QStringLiteral("无法删除文件夹。")},
            {"%1 already exists.\nDo you want to replace it?",
             QStringLiteral("%1 已存在。\n要替换它吗？")},
            {"%1\nFile not found.\nPlease verify the correct file name was given.",
             QStringLiteral("%1\n找不到文件。\n请确认文件名是否正确。")},
            {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
             QStringLiteral("%1\n找不到文件夹。\n请确认文件夹名是否正确。")},
            {"'%1' is write protected.\nDo you want to delete it anyway?",
             QStringLiteral("“%1”是写保护的。\n仍要删除吗？")},
            {"Name", QStringLiteral("名称")},
            {"Size", QStringLiteral("大小")},
            {"Type", QStringLiteral("类型")},
            {"Kind", QStringLiteral("类型")},
            {"Date Modified", QStringLiteral("修改日期")},
            {"Folder", QStringLiteral("文件夹")},
            {"File", QStringLiteral("文件")},
            {"%1 File", QStringLiteral("%1 文件")},
            {"Drive", QStringLiteral("驱动器")},
            {"Computer", QStringLiteral("计算机")},
            {"My Computer", QStringLiteral("计算机")},
            {"Shortcut", QStringLiteral("快捷方式")},
            {"Unknown", QStringLiteral("未知")},
            {"Invalid filename", QStringLiteral("无效的文件名")},
        };
        const auto found = texts.constFind(QByteArray(sourceText));
        return found == texts.constEnd() ? QString() : *found;
    }
};

}  // namespace

QTranslator* installQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        // The distribution's Qt translations have no Chinese Qt texts: the
        // desk's own table of the texts its dialogs show.
        delete translator;
        translator = new DeskQtTexts(&app);
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

void useChineseLocale() {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

}  // namespace korvant::gui
