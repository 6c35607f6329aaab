#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Answer.h"
#include "Connection.h"
#include "Request.h"
#include "SimState.h"

// Routes one request to its handler after the checks that every request
// passes: a known command, the fixed size of its layout, a compressed body
// only where the protocol allows one, and a login for everything but the
// login itself.
namespace korvant::sim {

struct Context {
    SimState& state;
    Connection& connection;
    LoginRegistry& logins;
};

using Handler = std::function<Answer(const Request&, Context&)>;

// How the generic checks answer a refused request: most requests expect a
// command-0 result; the money movements read an i32 of their own answer.
enum class RefusalStyle { Result, Status };

struct Route {
    uint8_t command = 0;
    int size = 0;  // fixed size of the plain request
    bool compressible = false;
    RefusalStyle style = RefusalStyle::Result;
    Handler handler;
};

class Dispatcher {
public:
    void add(Route route);
    const Route* find(uint8_t command) const;
    // The answer to one whole packet; empty when nothing is to be sent.
    Answer dispatch(const std::vector<uint8_t>& packet, Context& context) const;

private:
    std::array<Route, 256> routes_{};
};

// Refusal of `command` in the style its client expects.
Answer refuse(const Route* route, std::string_view text);

// The dispatcher with every handler of the server registered.
Dispatcher makeDispatcher();

}  // namespace korvant::sim
