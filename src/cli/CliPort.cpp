#include "cli/CliPort.h"

#include "cli/ControlEscape.h"

namespace korvant::cli {

std::string messageLine(const Message& message, bool lineBreaks) {
    std::string line = "[" + escapeControls(message.caption) + "] ";
    if (!lineBreaks) return line + escapeControls(message.text);
    for (std::size_t from = 0;;) {
        const std::size_t end = message.text.find('\n', from);
        line += escapeControls(message.text.substr(from, end - from));
        if (end == std::string::npos) return line;
        line += '\n';
        from = end + 1;
    }
}

void CliPort::showMessage(const Message& message) {
    ++messages_;
    if (message.icon == MessageIcon::Error) ++errors_;
    if (progressShown_) *err_ << "\r\x1b[K";
    *err_ << messageLine(message, lineBreaks_) << '\n' << std::flush;
}

bool CliPort::askYesNo(const Message& question) {
    showMessage(question);
    return answerYes_;
}

void CliPort::showProgress(const std::string& text) {
    if (!showProgress_) return;
    // One line rewritten in place on the terminal.
    *err_ << '\r' << text << "\x1b[K" << std::flush;
    progressShown_ = true;
}

void CliPort::hideProgress() {
    if (!showProgress_ || !progressShown_) return;
    *err_ << "\r\x1b[K" << std::flush;
    progressShown_ = false;
}

std::optional<std::string> CliPort::chooseSaveFile(const std::string&, const std::string&,
                                                   const std::vector<FileFilter>&) {
    return std::nullopt;
}

std::optional<std::string> CliPort::chooseOpenFile(const std::string&,
                                                   const std::vector<FileFilter>&) {
    return std::nullopt;
}

std::optional<std::string> CliPort::chooseFolder(const std::string&) {
    return std::nullopt;
}

bool CliPort::showForm(Form& form, const FormValidator&) {
    ++forms_;
    showMessage({std::string("命令行上没有对话框: ") + form.kind(), "提示", MessageIcon::Warning});
    return false;
}

}  // namespace korvant::cli
