#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace korvant {
class Desk;
class FrontEndPort;
}  // namespace korvant

// The "帮助" menu's commands.
namespace korvant::gui {

// "关于...": the About dialog; with Shift held, its hidden free-text field,
// whose text is sent through `run` (a call into the core).
void showAbout(Desk& desk, const std::function<bool(const std::function<void()>&)>& run,
               QWidget* parent);

// "使用说明": opens "柜台管理说明文档.pdf" at the first of `places` that holds
// it; a manual that is missing or cannot be opened is said, with the places
// it was looked for.
void openManual(FrontEndPort& port, const std::vector<std::string>& places);

}  // namespace korvant::gui
