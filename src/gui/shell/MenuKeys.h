#pragma once

#include <string_view>

namespace korvant::gui {

// The access key of a menu entry by its caption ('A' for "添加": Alt+A in the
// menu opens it), unique within each menu; 0 for a caption without one.
char menuAccessKey(std::string_view caption);

}  // namespace korvant::gui
