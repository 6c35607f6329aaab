#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "protocol/ServerWait.h"

// The one way the core talks to the user. The desk shows message boxes,
// questions, a progress window, file dialogs and forms; the command-line
// front end prints to its streams and fills forms from options; tests script
// every answer.
namespace korvant {

enum class MessageIcon { None, Information, Warning, Error, Question };

struct Message {
    std::string text;
    std::string caption = "提示";
    MessageIcon icon = MessageIcon::Information;
    // A question whose Yes destroys something (delete, clear, unload,
    // import over): the front end offers No as the default answer.
    bool defaultNo = false;
};

// Base of every form a core operation asks the front end to fill. The front
// end recognises the concrete form by its type (see FormTable) and shows the
// matching dialog; `kind()` names it in logs.
class Form {
public:
    virtual ~Form() = default;
    virtual const char* kind() const = 0;

    // The field the last refusal of the form's check was about, named as the
    // front end names its field (e.g. "account"); empty when the check
    // accepted the form or named no field. The desk puts the focus there.
    std::string refusedField;
};

// Accepts a filled form or refuses it: on refusal the validator has already
// shown its message through the port and the dialog stays open.
using FormValidator = std::function<bool(Form&)>;

struct FileFilter {
    std::string description;  // e.g. "CSV 文件"
    std::string pattern;      // e.g. "*.csv"
};

// Thrown after the message of a failure that ends the program. The desk
// quits its event loop, the command-line front end exits with status 3.
class ProgramEnd : public std::exception {
public:
    explicit ProgramEnd(Message message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return "program ends"; }
    const Message& message() const { return message_; }

private:
    Message message_;
};

class FrontEndPort {
public:
    virtual ~FrontEndPort() = default;

    virtual void showMessage(const Message& message) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const Message& question) = 0;

    // Progress of long work (the progress window): show or change its text,
    // and hide it.
    virtual void showProgress(const std::string& text) = 0;
    virtual void hideProgress() = 0;
    // One step of a long read that the user may stop: shows `text` (the
    // work with its counts, e.g. "查询子账号  第 3/1000 页"; `done` of `total`
    // steps, `total` 0 when unknown) in the progress window, keeps the front
    // end responsive and returns false once the user asked to stop; the
    // caller then stops after this step and hides the window as usual. The
    // default shows the text and never stops.
    virtual bool progressStep(const std::string& text, int done, int total) {
        (void)done;
        (void)total;
        showProgress(text);
        return true;
    }

    // Called while the connection waits for the server (about every 15 ms,
    // and once more with `wait.over` when the wait ends), with the text of
    // the operation waiting (empty when none was named). The exchange stays
    // synchronous: nothing may use the connection from here. The desk keeps
    // painting and, when one answer is long in coming, shows the wait with a
    // stop button; false abandons the wait (the connection is then lost).
    // The default waits on.
    virtual bool waitForServer(const ServerWait& wait, const std::string& operation) {
        (void)wait;
        (void)operation;
        return true;
    }

    // File choices; an empty optional means the user cancelled.
    virtual std::optional<std::string> chooseSaveFile(const std::string& caption,
                                                      const std::string& suggestedName,
                                                      const std::vector<FileFilter>& filters) = 0;
    // The same for a caller that asks itself before an existing file is
    // replaced: the front end's own file dialog does not ask again.
    virtual std::optional<std::string> chooseSaveFileAskedLater(
        const std::string& caption, const std::string& suggestedName,
        const std::vector<FileFilter>& filters) {
        return chooseSaveFile(caption, suggestedName, filters);
    }
    virtual std::optional<std::string> chooseOpenFile(const std::string& caption,
                                                      const std::vector<FileFilter>& filters) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& caption) = 0;

    // Shows `form` for editing. On OK the validator runs; when it refuses,
    // the form stays open (a front end that cannot ask again returns false).
    // Returns true when the form was accepted, false when cancelled.
    template <class F>
    bool editForm(F& form, const std::type_identity_t<std::function<bool(F&)>>& validator) {
        static_assert(std::is_base_of_v<Form, F> && std::is_final_v<F>,
                      "a form is edited as its own, final type");
        FormValidator check;
        if (validator) check = [&validator](Form& f) { return validator(static_cast<F&>(f)); };
        return showForm(form, check);
    }
    // What `editForm` asks of the front end: the form's type is its dynamic
    // type (a FormTable finds its dialog or filler).
    virtual bool showForm(Form& form, const FormValidator& validator) = 0;
    // Whether an add or modify whose change was refused shows its form again
    // with the values as typed (the desk does; the command line reports the
    // refusal and ends).
    virtual bool asksAgainAfterRefusal() const { return false; }

    // Shows the message, then ends the program: never returns.
    [[noreturn]] void endProgram(const Message& message) {
        showMessage(message);
        throw ProgramEnd(message);
    }
    [[noreturn]] void endProgram(const std::string& text) {
        endProgram(Message{text, "提示", MessageIcon::Error});
    }

    // Shorthands.
    void info(const std::string& text) { showMessage({text, "提示", MessageIcon::Information}); }
    void warn(const std::string& text) { showMessage({text, "提示", MessageIcon::Warning}); }
    void error(const std::string& text) { showMessage({text, "提示", MessageIcon::Error}); }
};

// A form's check refusing `field`: names the field on the form, shows the
// message and returns false (the validator's result).
inline bool refuseField(FrontEndPort& port, Form& form, const char* field, const Message& message) {
    form.refusedField = field;
    port.showMessage(message);
    return false;
}

}  // namespace korvant
