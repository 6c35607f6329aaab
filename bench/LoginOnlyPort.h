#pragma once

#include "app/DecliningPort.h"

// The front end of the benchmarks: it fills the login dialog with admin /
// admin on the first server, prints messages on stderr and declines
// everything else.
namespace korvant::bench {

class LoginOnlyPort : public DecliningPort {
public:
    void showMessage(const Message& m) override;
    bool showForm(Form& form, const FormValidator& validator) override;
};

}  // namespace korvant::bench
