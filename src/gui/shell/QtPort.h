#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "app/port/FrontEndPort.h"
#include "gui/shell/ProgressWindow.h"

namespace korvant::gui {

class DialogRegistry;

// The filter text of a file dialog: "CSV 文件 (*.csv);;所有文件 (*.*)". A
// description that ends with its pattern ("文本文件(*.csv)") is not given the
// pattern a second time.
QString fileDialogFilter(const std::vector<FileFilter>& filters);

// The desk's side of the front-end port: message boxes, Yes/No questions,
// the progress window, the file dialogs and the form dialogs of the
// registry.
class QtPort : public FrontEndPort {
public:
    // Width a message box keeps beside its caption for the title bar's
    // icon and buttons.
    static constexpr int CaptionRoom = 140;

    explicit QtPort(const DialogRegistry& dialogs);
    ~QtPort() override;

    // The window that owns the message boxes and dialogs (the main window);
    // a modal dialog that is open takes precedence.
    void setOwner(QWidget* owner);
    ProgressWindow* progressWindow() const { return progress_; }
    // The page on screen ("funds", "feeRates" …): each page's file dialogs
    // open in the folder last chosen there (gui/widgets/Remembered.h).
    void setPlaceOfFiles(std::function<QString()> place) { place_ = std::move(place); }

    void showMessage(const Message& message) override;
    bool askYesNo(const Message& question) override;
    void showProgress(const std::string& text) override;
    void hideProgress() override;
    bool progressStep(const std::string& text, int done, int total) override;
    // True while the event loop runs from inside the core's work (between
    // the pages of a long read, while it waits for the server): timers must
    // not start other work of the core then.
    bool coreBusy() const;
    // Turns the event loop while the core waits for the server; shows the
    // wait in the progress window once an answer is long in coming.
    bool waitForServer(const ServerWait& wait, const std::string& operation) override;
    // A wait for the server is in progress (an answer or the connection).
    bool waitingForServer() const { return waiting_; }
    // Asks the wait in progress to stop (closing the main window).
    void stopWaiting();
    // Closing a window during a wait: asks "是否停止等待？" over `parent`
    // and stops waiting on Yes. The window stays until the wait has ended.
    void askToStopWaiting(QWidget* parent);
    std::optional<std::string> chooseSaveFileAskedLater(
        const std::string& caption, const std::string& suggestedName,
        const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseSaveFile(const std::string& caption,
                                              const std::string& suggestedName,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseOpenFile(const std::string& caption,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseFolder(const std::string& caption) override;
    bool showForm(Form& form, const FormValidator& validator) override;
    bool asksAgainAfterRefusal() const override { return true; }

private:
    QWidget* parentForDialogs() const;
    void makeRoomForBox();
    // The kind of a file dialog: the page's place and `what` ("save").
    QString fileKind(const char* what) const;

    const DialogRegistry& dialogs_;
    QPointer<QWidget> owner_;
    QPointer<ProgressWindow> progress_;
    bool waiting_ = false;
    std::function<QString()> place_;
};

}  // namespace korvant::gui
