#pragma once

#include <QDialog>

#include <exception>
#include <functional>

namespace korvant::gui {

// A dialog that keeps calling the core while it is open (the settlement
// status, the settlement prices, the rule assignment). A failure that ends
// the program closes the dialog and is passed on when it returns.
class CoreCallDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Runs a call into the core; false when it ended the program (the
    // dialog is then closed, and nothing more is called). While the core is
    // busy with other work (`coreBusy`) nothing runs and the result is true.
    bool call(const std::function<void()>& work);
    // Runs the dialog modally; passes on a failure caught by `call`.
    int execPassingFailure();

private:
    std::exception_ptr failure_;
};

}  // namespace korvant::gui
