#pragma once

// Exit statuses of korvant-cli; scripts rely on them.
namespace korvant::cli {

inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1;  // refused or failed, its message printed
inline constexpr int ExitUsage = 2;   // bad command line
inline constexpr int ExitEnded = 3;   // the desk would end here, or the connection failed

}  // namespace korvant::cli
