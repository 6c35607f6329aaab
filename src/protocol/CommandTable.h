#pragma once

#include <cstdint>
#include <span>

// Every command code the client sends or receives: its direction, the fixed
// size of its request, the area (source folder) that owns its writer or
// parser, and what it does. No code serves two purposes.
namespace korvant {

enum class Direction { Request, Answer, Both };

struct CommandInfo {
    uint8_t code;
    Direction direction;
    // Fixed request size, header included. For an answer-only code the
    // fixed answer size, or -1 when any length is accepted.
    int requestSize;
    const char* area;       // protocol, model, app, admin, templates, risk, reports
    const char* operation;  // what the request (or answer) does
    const char* answer;     // what the server answers
};

// The rows in ascending code order.
std::span<const CommandInfo> commandTable();
// The row of `code`, or null for a code the client does not use.
const CommandInfo* findCommand(uint8_t code);

}  // namespace korvant
