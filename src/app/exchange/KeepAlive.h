#pragma once

// The desk's own use of the connection between operations: the keep-alive
// of timer 1 and the close at "退出". Front ends call these instead of
// touching the connection.
namespace korvant {

class Desk;

// Sends one keep-alive packet; its result is ignored and nothing is
// received (a late answer is dropped by the next exchange).
void keepAlive(Desk& desk);

// Closes the connection (the desk quits, a front end ends the program).
void disconnect(Desk& desk);

}  // namespace korvant
