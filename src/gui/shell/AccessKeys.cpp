#include "gui/shell/AccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QToolBar>
#include <QToolButton>

#include <utility>

#include "gui/widgets/FormDialog.h"

namespace korvant::gui {
namespace {

const char* const KeysGivenProperty = "accessKeysGiven";

bool keyable(QAbstractButton* button) {
    if (button->text().isEmpty()) return false;
    if (auto* tool = qobject_cast<QToolButton*>(button))
        if (tool->defaultAction() != nullptr || qobject_cast<QToolBar*>(tool->parentWidget()))
            return false;
    return true;
}

// The dialogs of the desk and the message boxes; not Qt's own dialogs.
bool deskDialog(QObject* object) {
    if (qobject_cast<QMessageBox*>(object) != nullptr) return true;
    if (qobject_cast<QDialog*>(object) == nullptr) return false;
    const QLatin1String name(object->metaObject()->className());
    return !name.startsWith(QLatin1Char('Q')) || name == QLatin1String("QDialog");
}

class DialogKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            !watched->property(KeysGivenProperty).toBool() && deskDialog(watched)) {
            auto* dialog = static_cast<QWidget*>(watched);
            dialog->setProperty(KeysGivenProperty, true);
            QSet<QChar> taken;
            giveAccessKeys(dialog, taken);
            if (qobject_cast<QMessageBox*>(dialog) == nullptr) orderTabsAsLaidOut(dialog);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

std::string_view preferredAccessKeys(std::string_view caption) {
    static constexpr std::pair<std::string_view, std::string_view> keys[] = {
        {"查询", "Q"},       {"导出", "E"},         {"导入", "I"},       {"修改", "MI"},
        {"删除", "D"},       {"添加", "A"},         {"新建", "N"},       {"刷新", "R"},
        {"确定", "O"},       {"确认", "O"},         {"取消", "C"},       {"是", "Y"},
        {"否", "N"},         {"浏览", "B"},         {"登录", "L"},       {"打印", "P"},
        {"打印预览", "W"},   {"另存为", "A"},       {"导出PDF", "E"},    {"批量导出", "B"},
        {"退出", "X"},       {"关闭", "C"},         {"停止", "S"},       {"查找", "K"},
        {"高级搜索", "J"},   {"搜索", "K"},         {"首页", "F"},       {"上一页", "U"},
        {"下一页", "X"},     {"末页", "L"},         {"转到", "Z"},       {"CSV格式", "C"},
        {"CSV 格式", "C"},   {"保存账号和密码", "S"}, {"清空", "C"},     {"发送", "S"},
        {"入金", "I"},       {"出金", "U"},         {"上移", "U"},       {"下移", "W"},
        {"加载 ->", "L"},    {"<- 卸载", "U"},      {"选择品种", "P"},   {"选择交易所", "E"},
        {"全选当前交易所", "C"}, {"全选所有交易所", "A"},
    };
    for (const auto& [text, letters] : keys)
        if (text == caption) return letters;
    return {};
}

QString withAccessKey(const QString& caption, QChar key) {
    return caption + QStringLiteral("(&") + key + QLatin1Char(')');
}

QChar accessKeyOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

QSet<QChar> accessKeysIn(QWidget* scope) {
    QSet<QChar> keys;
    for (QAbstractButton* button : scope->findChildren<QAbstractButton*>()) {
        const QChar key = accessKeyOf(button->text());
        if (!key.isNull()) keys.insert(key);
    }
    return keys;
}

void giveAccessKeys(QWidget* scope, QSet<QChar>& taken) {
    const QList<QAbstractButton*> buttons = scope->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        const QChar key = accessKeyOf(button->text());
        if (!key.isNull()) taken.insert(key);
    }
    // Letters, then digits for a window with more buttons than letters.
    static const QString Fallback = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ7890");
    for (QAbstractButton* button : buttons) {
        if (!keyable(button) || !accessKeyOf(button->text()).isNull()) continue;
        const QString caption = button->text();
        const std::string utf8 = caption.toStdString();
        const std::string_view preferred = preferredAccessKeys(utf8);
        const QString wanted =
            QString::fromLatin1(preferred.data(), static_cast<qsizetype>(preferred.size()));
        QChar chosen;
        for (const QString& letters : {wanted, Fallback}) {
            for (QChar letter : letters)
                if (!taken.contains(letter)) {
                    chosen = letter;
                    break;
                }
            if (!chosen.isNull()) break;
        }
        if (chosen.isNull()) continue;
        taken.insert(chosen);
        button->setText(withAccessKey(caption, chosen));
    }
}

void installDialogKeys() {
    static DialogKeys* keys = [] {
        auto* filter = new DialogKeys;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
        return filter;
    }();
    (void)keys;
}

}  // namespace korvant::gui
