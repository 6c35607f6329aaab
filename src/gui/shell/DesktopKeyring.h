#pragma once

#include <QString>

#include "app/session/PasswordKeyring.h"

// The desktop's keyring through QtKeychain: on Linux the Secret Service
// (GNOME Keyring, KWallet) over D-Bus. Each call waits for its answer,
// turning the event loop meanwhile (the keyring may ask the user to unlock
// it), at most `timeoutMs`; a keyring that does not answer, or that is not
// there, counts as unavailable. Never QtKeychain's plain-text fallback.
namespace korvant::gui {

class DesktopKeyring : public PasswordKeyring {
public:
    static constexpr int DefaultTimeoutMs = 60000;
    explicit DesktopKeyring(QString service = QStringLiteral("korvant-desk"),
                            int timeoutMs = DefaultTimeoutMs);

    Outcome store(const std::string& key, const std::string& password) override;
    Outcome read(const std::string& key, std::string& password) override;
    Outcome remove(const std::string& key) override;

    // The keyring's last error text (empty after a success).
    const QString& lastError() const { return lastError_; }

private:
    QString service_;
    int timeoutMs_;
    QString lastError_;
};

}  // namespace korvant::gui
