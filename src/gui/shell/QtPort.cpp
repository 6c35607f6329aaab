#include "gui/shell/QtPort.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <iostream>

#include "gui/shell/DialogRegistry.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/widgets/CoreBusy.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/Remembered.h"

namespace korvant::gui {
namespace {

// A message box is laid out for its text; a short text under a long
// caption would cut the caption in the title bar. The box is made at least
// as wide as the caption (with room for the title bar's buttons).
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + QtPort::CaptionRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

// A save dialog with several filters: a name typed without an extension
// takes the chosen filter's ("*.xlsx"), so that choosing "Excel 工作簿"
// writes a workbook.
std::optional<std::string> chosenSave(const QString& path, const QString& selected,
                                      const std::vector<FileFilter>& filters) {
    if (path.isEmpty()) return std::nullopt;
    std::string name = path.toStdString();
    const std::size_t slash = name.find_last_of('/');
    const bool dotted = name.find('.', slash == std::string::npos ? 0 : slash) != std::string::npos;
    if (filters.size() > 1 && !dotted) {
        for (const FileFilter& filter : filters) {
            if (selected.contains(qs(filter.pattern)) && filter.pattern.rfind("*.", 0) == 0) {
                name += filter.pattern.substr(1);
                break;
            }
        }
    }
    return name;
}

}  // namespace

QString fileDialogFilter(const std::vector<FileFilter>& filters) {
    QStringList parts;
    for (const auto& filter : filters) {
        const QString description = qs(filter.description).trimmed();
        const QString pattern = qs(filter.pattern);
        // A description that names its pattern already is passed as it is.
        if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
            parts << description;
        else
            parts << QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    return parts.join(QStringLiteral(";;"));
}

QtPort::QtPort(const DialogRegistry& dialogs)
    : dialogs_(dialogs), progress_(new ProgressWindow(nullptr)) {}

QtPort::~QtPort() {
    delete progress_.data();
}

void QtPort::setOwner(QWidget* owner) {
    owner_ = owner;
    if (progress_) progress_->setOwner(owner);
}

QWidget* QtPort::parentForDialogs() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return owner_.data();
}

void QtPort::makeRoomForBox() {
    // The progress window stays on top: a message or question shown during
    // long work would open under it. It shows again at the next step.
    if (progress_ && progress_->isVisible()) progress_->hide();
}

void QtPort::showMessage(const Message& message) {
    makeRoomForBox();
    QMessageBox box(boxIcon(message.icon), qs(message.caption), qs(message.text), QMessageBox::Ok,
                    parentForDialogs());
    // Texts from the server are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    fitCaption(box);
    box.exec();
}

bool QtPort::askYesNo(const Message& question) {
    makeRoomForBox();
    QMessageBox box(boxIcon(question.icon), qs(question.caption), qs(question.text),
                    QMessageBox::Yes | QMessageBox::No, parentForDialogs());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(question.defaultNo ? QMessageBox::No : QMessageBox::Yes);
    fitCaption(box);
    return box.exec() == QMessageBox::Yes;
}

void QtPort::showProgress(const std::string& text) {
    if (progress_) progress_->setText(qs(text));
}

bool QtPort::progressStep(const std::string& text, int, int) {
    return !progress_ || progress_->step(qs(text));
}

bool QtPort::coreBusy() const {
    return gui::coreBusy();
}

bool QtPort::waitForServer(const ServerWait& wait, const std::string& operation) {
    if (!progress_) return true;
    if (wait.over) {
        waiting_ = false;
        progress_->endWait();
        return true;
    }
    waiting_ = true;
    // Nothing may start work of the core until the answer is in, the
    // message below included.
    const CoreBusyScope busy;
    if (progress_->waitTurn(wait.elapsedMs, wait.connecting, qs(operation))) return true;
    // An answer may still be on its way: the connection can no longer pair
    // requests with answers.
    if (!wait.connecting)
        showMessage(
            {"已停止等待服务器应答。\n服务器的应答可能仍在途中，连接已不可再用，"
             "本次会话将结束。",
             "提示", MessageIcon::Warning});
    return false;
}

void QtPort::askToStopWaiting(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("提示"),
                    QStringLiteral("正在等待服务器应答，是否停止等待？\n停止后本次会话将结束。"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes) stopWaiting();
}

void QtPort::stopWaiting() {
    if (progress_ && waiting_) progress_->requestWaitStop();
}

void QtPort::hideProgress() {
    if (progress_) progress_->hide();
}

QString QtPort::fileKind(const char* what) const {
    const QString place = place_ ? place_() : QString();
    return (place.isEmpty() ? QStringLiteral("desk") : place) + QLatin1Char('.') +
           QLatin1String(what);
}

std::optional<std::string> QtPort::chooseSaveFile(const std::string& caption,
                                                  const std::string& suggestedName,
                                                  const std::vector<FileFilter>& filters) {
    QString selected;
    const QString path =
        chooseSaveFileName(parentForDialogs(), fileKind("save"), qs(caption), qs(suggestedName),
                           fileDialogFilter(filters), {}, &selected);
    return chosenSave(path, selected, filters);
}

std::optional<std::string> QtPort::chooseSaveFileAskedLater(
    const std::string& caption, const std::string& suggestedName,
    const std::vector<FileFilter>& filters) {
    // The operation asks before it replaces a file: asked here too, the
    // user would answer the same question twice.
    QString selected;
    const QString path =
        chooseSaveFileName(parentForDialogs(), fileKind("save"), qs(caption), qs(suggestedName),
                           fileDialogFilter(filters), QFileDialog::DontConfirmOverwrite, &selected);
    return chosenSave(path, selected, filters);
}

std::optional<std::string> QtPort::chooseOpenFile(const std::string& caption,
                                                  const std::vector<FileFilter>& filters) {
    return chosen(chooseOpenFileName(parentForDialogs(), fileKind("open"), qs(caption),
                                     fileDialogFilter(filters)));
}

std::optional<std::string> QtPort::chooseFolder(const std::string& caption) {
    return chosen(chooseFolderName(parentForDialogs(), fileKind("folder"), qs(caption), QString()));
}

bool QtPort::showForm(Form& form, const FormValidator& validator) {
    if (auto accepted = dialogs_.run(parentForDialogs(), form, validator)) return *accepted;
    // A form without a dialog is a programming error of the desk: the
    // operation is cancelled.
    std::cerr << "korvant-desk: no dialog for form kind " << form.kind() << "\n";
    return false;
}

}  // namespace korvant::gui
