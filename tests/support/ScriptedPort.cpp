#include "support/ScriptedPort.h"

#include <algorithm>

namespace korvant::test {
namespace {

template <typename T>
T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

std::vector<std::string> ScriptedPort::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

bool ScriptedPort::hasMessage(const std::string& text) const {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const Message& m) { return m.text == text; });
}

Message ScriptedPort::lastMessage() const {
    return messages.empty() ? Message{"", "", MessageIcon::None} : messages.back();
}

void ScriptedPort::clearRecords() {
    messages.clear();
    questions.clear();
    progress.clear();
    progressHidden = 0;
    steps.clear();
    fileChoices.clear();
    forms.clear();
    log.clear();
}

void ScriptedPort::showMessage(const Message& message) {
    messages.push_back(message);
    log.push_back("message " + message.caption + "|" + message.text);
}

bool ScriptedPort::askYesNo(const Message& question) {
    bool yes = takeFront(answers_, false);
    questions.push_back({question, yes});
    log.push_back("question " + question.text);
    return yes;
}

void ScriptedPort::showProgress(const std::string& text) {
    progress.push_back(text);
    log.push_back("progress " + text);
}

bool ScriptedPort::progressStep(const std::string& text, int done, int total) {
    showProgress(text);
    steps.push_back({done, total});
    return stopAtStep_ == 0 || static_cast<int>(steps.size()) < stopAtStep_;
}

void ScriptedPort::hideProgress() {
    ++progressHidden;
    log.push_back("hide-progress");
}

std::optional<std::string> ScriptedPort::chooseSaveFile(const std::string& caption,
                                                        const std::string& suggestedName,
                                                        const std::vector<FileFilter>& filters) {
    auto answer = takeFront(saveFiles_, std::optional<std::string>{});
    fileChoices.push_back({"save", caption, suggestedName, filters, answer});
    log.push_back("file save");
    return answer;
}

std::optional<std::string> ScriptedPort::chooseOpenFile(const std::string& caption,
                                                        const std::vector<FileFilter>& filters) {
    auto answer = takeFront(openFiles_, std::optional<std::string>{});
    fileChoices.push_back({"open", caption, "", filters, answer});
    log.push_back("file open");
    return answer;
}

std::optional<std::string> ScriptedPort::chooseFolder(const std::string& caption) {
    auto answer = takeFront(folders_, std::optional<std::string>{});
    fileChoices.push_back({"folder", caption, "", {}, answer});
    log.push_back("file folder");
    return answer;
}

bool ScriptedPort::showForm(Form& form, const FormValidator& validator) {
    ShownForm shown;
    shown.kind = form.kind();
    log.push_back("form " + shown.kind);
    // Bounded by the scripted fillers: each one is used once.
    while (!fillers_.empty()) {
        Filler filler = std::move(fillers_.front());
        fillers_.pop_front();
        ++shown.fillers;
        if (!filler || !filler(form)) break;
        if (!validator || validator(form)) {
            shown.accepted = true;
            break;
        }
        ++shown.refusals;
    }
    forms.push_back(shown);
    return shown.accepted;
}

}  // namespace korvant::test
