#pragma once

#include <QString>

#include <map>
#include <string>

#include "gui/widgets/Remembered.h"

// What the desk remembers of how the user left it, per user: the file
// "DeskState.ini" in the desk's folder, beside DeskLayout.ini (local/
// StateFile.h). Read once when the main window is made, written whole when
// it closes. A file that cannot be read is ignored: the desk starts with
// its built-in layout and says so once in the status list.
namespace korvant::gui {

class DeskMemory : public RememberedValues {
public:
    static constexpr const char* FileName = "DeskState.ini";

    explicit DeskMemory(const std::string& dir);

    QString value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;
    void remove(const QString& key);
    // Forgets the layout (window, splitters, lists' columns and sorts); the
    // dates, folders and the last view stay.
    void forgetLayout();

    // Writes the file whole; false when it could not be written.
    bool save();

    // The file could not be read (and is ignored); why.
    bool unreadable() const { return !problem_.empty(); }
    const std::string& problem() const { return problem_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::map<std::string, std::string> values_;
    std::string problem_;
};

}  // namespace korvant::gui
