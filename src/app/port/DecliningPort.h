#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"

// A front end without a user: it shows nothing and declines every question,
// file choice and form. Programs that drive the core on their own (fuzzing,
// benchmarks) start from it and override what they answer.
namespace korvant {

class DecliningPort : public FrontEndPort {
public:
    void showMessage(const Message&) override {}
    bool askYesNo(const Message&) override { return false; }
    void showProgress(const std::string&) override {}
    void hideProgress() override {}
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&,
                                              const std::vector<FileFilter>&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&,
                                              const std::vector<FileFilter>&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }
    bool showForm(Form&, const FormValidator&) override { return false; }
};

}  // namespace korvant
