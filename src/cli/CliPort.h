#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/port/FrontEndPort.h"

// The front-end port of the command line. Message boxes and questions become
// one stderr line "[CAPTION] TEXT"; progress texts go to stderr only when it
// is a terminal; questions are answered by --yes. Commands build the values of
// a dialog from their options and call the operation with them, so no form
// is ever shown.
namespace korvant::cli {

// "[CAPTION] TEXT" with every newline written as the two characters \n and
// other control characters as \xNN: one line for scripts. With `lineBreaks`
// (stderr is a terminal) the text's newlines stay line breaks; the other
// control characters are still escaped.
std::string messageLine(const Message& message, bool lineBreaks = false);

class CliPort : public FrontEndPort {
public:
    explicit CliPort(std::ostream& err) : err_(&err) {}

    void setErr(std::ostream& err) { err_ = &err; }
    void setShowProgress(bool show) { showProgress_ = show; }
    void setLineBreaks(bool lineBreaks) { lineBreaks_ = lineBreaks; }
    void setAnswerYes(bool yes) { answerYes_ = yes; }

    // Number of message boxes shown so far, and of those with the error icon.
    int messageCount() const { return messages_; }
    int errorCount() const { return errors_; }
    // Number of forms an operation asked for (each one cancelled).
    int formCount() const { return forms_; }

    void showMessage(const Message& message) override;
    bool askYesNo(const Message& question) override;
    void showProgress(const std::string& text) override;
    void hideProgress() override;
    // No file or folder is chosen: the commands hand the operations their
    // paths.
    std::optional<std::string> chooseSaveFile(const std::string& caption,
                                              const std::string& suggestedName,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseOpenFile(const std::string& caption,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseFolder(const std::string& caption) override;
    // Cancels: nobody is there to fill a dialog.
    bool showForm(Form& form, const FormValidator& validator) override;

private:
    std::ostream* err_;
    bool showProgress_ = false;
    bool lineBreaks_ = false;
    bool progressShown_ = false;
    bool answerYes_ = false;
    int messages_ = 0;
    int errors_ = 0;
    int forms_ = 0;
};

}  // namespace korvant::cli
