#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/port/FrontEndPort.h"

// A front end for tests: records everything the core shows and answers every
// question, file choice and form from a script. Unscripted questions are
// answered No, unscripted file choices and forms are cancelled.
namespace korvant::test {

class ScriptedPort : public FrontEndPort {
public:
    // Fills a shown form; false cancels the form.
    using Filler = std::function<bool(Form&)>;

    struct Question {
        Message message;
        bool answer = false;
    };
    struct FileChoice {
        std::string kind;  // "save", "open" or "folder"
        std::string caption;
        std::string suggestedName;
        std::vector<FileFilter> filters;
        std::optional<std::string> answer;
    };
    struct ShownForm {
        std::string kind;  // Form::kind()
        int fillers = 0;   // scripted fillers used on it
        int refusals = 0;  // times the validator refused it
        bool accepted = false;
    };

    // --- script ---
    void answerYes(int times = 1) { answers_.insert(answers_.end(), times, true); }
    void answerNo(int times = 1) { answers_.insert(answers_.end(), times, false); }
    void answer(bool yes) { answers_.push_back(yes); }
    // std::nullopt scripts a cancelled dialog.
    void queueSaveFile(std::optional<std::string> path) { saveFiles_.push_back(std::move(path)); }
    void queueOpenFile(std::optional<std::string> path) { openFiles_.push_back(std::move(path)); }
    void queueFolder(std::optional<std::string> path) { folders_.push_back(std::move(path)); }
    void queueForm(Filler filler) { fillers_.push_back(std::move(filler)); }
    // Typed filler: fails the test when the form shown is not a T.
    template <typename T>
    void queueForm(std::function<bool(T&)> filler) {
        fillers_.push_back([filler = std::move(filler)](Form& form) {
            if (typeid(form) != typeid(T)) {
                ADD_FAILURE() << "scripted filler expected another form than " << form.kind();
                return false;
            }
            return filler(static_cast<T&>(form));
        });
    }
    // The user stops a long read at its `step`-th progress step (from 1);
    // 0 never stops.
    void stopAtStep(int step) { stopAtStep_ = step; }
    // Scripted answers not used yet.
    std::size_t pendingAnswers() const { return answers_.size(); }
    std::size_t pendingForms() const { return fillers_.size(); }

    // --- records ---
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<std::string> progress;  // every text shown in the progress window
    int progressHidden = 0;
    // Done and total of every step of a long read (its text is in
    // `progress` too).
    std::vector<std::pair<int, int>> steps;
    std::vector<FileChoice> fileChoices;
    std::vector<ShownForm> forms;
    // Everything in order, one line each: "message <caption>|<text>",
    // "question <text>", "progress <text>", "hide-progress", "file <kind>",
    // "form <kind>".
    std::vector<std::string> log;

    // Texts of the messages shown, in order.
    std::vector<std::string> messageTexts() const;
    bool hasMessage(const std::string& text) const;
    // The last message shown (an empty one when none was).
    Message lastMessage() const;
    void clearRecords();

    // --- FrontEndPort ---
    void showMessage(const Message& message) override;
    bool askYesNo(const Message& question) override;
    void showProgress(const std::string& text) override;
    void hideProgress() override;
    bool progressStep(const std::string& text, int done, int total) override;
    std::optional<std::string> chooseSaveFile(const std::string& caption,
                                              const std::string& suggestedName,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseOpenFile(const std::string& caption,
                                              const std::vector<FileFilter>& filters) override;
    std::optional<std::string> chooseFolder(const std::string& caption) override;
    // Takes the next filler; when the validator refuses, the next filler (if
    // any) fills the same form again; without one the form is cancelled.
    bool showForm(Form& form, const FormValidator& validator) override;
    // Off by default (as on the command line); a test of the desk's
    // behaviour turns it on.
    bool asksAgainAfterRefusal() const override { return asksAgain; }
    bool asksAgain = false;

private:
    int stopAtStep_ = 0;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> saveFiles_;
    std::deque<std::optional<std::string>> openFiles_;
    std::deque<std::optional<std::string>> folders_;
    std::deque<Filler> fillers_;
};

}  // namespace korvant::test
