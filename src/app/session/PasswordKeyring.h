#pragma once

#include <string>

// The desktop's keyring (a Secret Service: GNOME Keyring, KWallet) as the
// login sees it. The desk hands one to the login; the command line has none
// and never writes the remembered login.
namespace korvant {

class PasswordKeyring {
public:
    enum class Outcome {
        Done,
        NotFound,     // no password under that key
        Unavailable,  // no keyring answered (none running, locked, refused)
    };
    virtual ~PasswordKeyring() = default;

    virtual Outcome store(const std::string& key, const std::string& password) = 0;
    virtual Outcome read(const std::string& key, std::string& password) = 0;
    virtual Outcome remove(const std::string& key) = 0;
};

// The key of a remembered password: the server's address and port and the
// account, "admin@10.8.1.20:9950".
std::string keyringKey(const std::string& host, int port, const std::string& account);

}  // namespace korvant
