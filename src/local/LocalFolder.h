#pragma once

#include <string>

// The folder of the local files (Server.ini, ServerInfo.Dat, riskdetail.ini,
// DeskLayout.ini). A portable copy of the programs (the build folder, or a
// folder the user unpacked and can write) keeps them beside itself. An
// installed copy (its folder not writable, or lying in an installation
// beside its shipped data folder) keeps them in the user's configuration
// folder, which is seeded from the shipped samples. An explicit folder
// (--dir, then KORVANT_DIR) overrides both.
namespace korvant {

enum class LocalFolderSource { Option, Environment, BesideProgram, UserConfig };

struct LocalFolderPlaces {
    std::string option;         // --dir; empty when not given
    std::string environment;    // KORVANT_DIR; empty when unset
    std::string programDir;     // the running program's own folder
    std::string userConfigDir;  // e.g. ~/.config/korvant; empty when unknown
};

struct LocalFolder {
    std::string path;
    LocalFolderSource source = LocalFolderSource::BesideProgram;
};

// True when the programs in `programDir` are an installed copy.
bool isInstalledCopy(const std::string& programDir);

LocalFolder chooseLocalFolder(const LocalFolderPlaces& places);

// Makes the user folder ready: creates it (mode 0700) when missing, copies
// each shipped sample that is not there yet from `samplesDir`, and takes
// group and other access away from a ServerInfo.Dat (it holds a password).
// Returns an empty text, or what went wrong.
std::string prepareUserFolder(const std::string& folder, const std::string& samplesDir);

// Chooses the folder and, for the user folder, prepares it (`problem` gets
// what went wrong, if anything).
LocalFolder settleLocalFolder(const LocalFolderPlaces& places, std::string& problem);

}  // namespace korvant
