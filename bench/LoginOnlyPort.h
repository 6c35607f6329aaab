#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/FrontEndPort.h"

// The front end of the benchmarks: it fills the login dialog with admin /
// admin on the first server, prints messages on stderr and declines
// everything else.
namespace korvant::bench {

class LoginOnlyPort : public FrontEndPort {
public:
    void showMessage(const Message& m) override;
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
    bool editForm(Form& form, const FormValidator& validator) override;
};

}  // namespace korvant::bench
