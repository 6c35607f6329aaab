#pragma once

#include <QString>

#include <string>

namespace korvant::gui {

// The core's UTF-8 text as Qt text.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

inline QString qs(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace korvant::gui
