#include "cli/LocalFolderChoice.h"

namespace korvant::cli {

LocalFolderPlaces cliLocalFolderPlaces(const std::string& dirOption, const Environment& environment,
                                       const std::string& programDir) {
    auto value = [&environment](const char* name) {
        std::optional<std::string> text = environment ? environment(name) : std::nullopt;
        return text.value_or(std::string());
    };
    LocalFolderPlaces places;
    places.option = dirOption;
    places.environment = value("KORVANT_DIR");
    places.programDir = programDir.empty() ? "." : programDir;
    // A relative XDG_CONFIG_HOME is to be ignored.
    std::string config = value("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        const std::string home = value("HOME");
        config = home.empty() ? std::string() : home + "/.config";
    }
    if (!config.empty()) places.userConfigDir = config + "/korvant";
    return places;
}

}  // namespace korvant::cli
