#pragma once

class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Rows that several dialogs lay out alike.
namespace korvant::gui {

// "从" FROM "到" TO, for a "日期范围:" row.
QHBoxLayout* dateRangeRow(QWidget* parent, QDateEdit* from, QDateEdit* to);
// PATH and a "浏览" button (returned in `browse`), for an "导出到:" row.
QHBoxLayout* browseRow(QWidget* parent, QLineEdit* path, QPushButton*& browse);

}  // namespace korvant::gui
