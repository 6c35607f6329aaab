#pragma once

#include <string>
#include <vector>

// Where an installation keeps the files shipped with the programs, found from
// the folder of the running program: "<prefix>/bin" next to
// "<prefix>/share/korvant" (the sample Server.ini, riskdetail.ini) and
// "<prefix>/share/doc/korvant" (the manual).
namespace korvant {

// The manual's file name, beside the program or in the documentation folder.
inline constexpr const char* ManualFileName = "柜台管理说明文档.pdf";

// The files a new user folder is seeded with, from the shipped data folder.
inline const std::vector<std::string>& shippedSamples() {
    static const std::vector<std::string> names{"Server.ini", "riskdetail.ini"};
    return names;
}

// The shipped data folder of an installation whose programs lie in
// `programDir` (it need not exist).
std::string shippedDataDir(const std::string& programDir);

// The places the manual is looked for, in order: beside the program, then
// the installation's documentation folder.
std::vector<std::string> manualPlaces(const std::string& programDir);

}  // namespace korvant
