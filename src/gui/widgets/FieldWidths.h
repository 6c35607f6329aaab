#pragma once

class QWidget;

namespace korvant::gui {

// Text fields show as many characters as they accept, up to this many.
inline constexpr int WidestFieldChars = 40;
// Lists in a form show this many rows without scrolling (fewer when they
// hold fewer).
inline constexpr int FormListRows = 12;

// Widens the text fields of a form to what they accept (their maximum
// length, or the bytes their GBK length check allows; a Chinese character
// takes two bytes and about two average characters of width), and makes its
// lists tall and wide enough to read their entries. Never narrows a field.
void fitFieldWidths(QWidget* form);

}  // namespace korvant::gui
