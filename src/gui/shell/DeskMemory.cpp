#include "gui/shell/DeskMemory.h"

#include <QDir>

#include "local/StateFile.h"

namespace korvant::gui {

DeskMemory::DeskMemory(const std::string& dir)
    : path_(QDir(QString::fromStdString(dir)).filePath(QLatin1String(FileName)).toStdString()) {
    StateFile file = readStateFile(path_);
    if (file.outcome == StateFile::Outcome::Read) values_ = std::move(file.values);
    if (file.outcome == StateFile::Outcome::Unreadable) problem_ = file.problem;
}

QString DeskMemory::value(const QString& key) const {
    auto it = values_.find(key.toStdString());
    return it == values_.end() ? QString() : QString::fromStdString(it->second);
}

void DeskMemory::setValue(const QString& key, const QString& value) {
    const std::string k = key.toStdString();
    const std::string v = value.toStdString();
    if (!isStateKey(k)) return;
    if (value.isEmpty() || !isStateValue(v))
        values_.erase(k);
    else
        values_[k] = v;
}

void DeskMemory::remove(const QString& key) {
    values_.erase(key.toStdString());
}

void DeskMemory::forgetLayout() {
    std::erase_if(values_, [](const auto& entry) {
        const std::string& key = entry.first;
        return key.starts_with("window.") || key.starts_with("splitter.") ||
               key.starts_with("list.") || key.starts_with("sort.");
    });
}

bool DeskMemory::save() {
    return writeStateFile(path_, values_);
}

}  // namespace korvant::gui
