#pragma once

#include <string>

#include "app/port/DecliningPort.h"
#include "app/session/Login.h"

// The front end of the benchmarks: it fills the login dialog with admin /
// admin on the first server, prints messages on stderr and declines
// everything else.
namespace korvant::bench {

class LoginOnlyPort : public DecliningPort {
public:
    void showMessage(const Message& m) override;
    bool showForm(Form& form, const FormValidator& validator) override;
};

// The login of every benchmark: the simulator at `host`:`port`, a fixed MAC
// text, nothing remembered, no progress.
LoginOptions simLogin(const std::string& host, int port);

}  // namespace korvant::bench
