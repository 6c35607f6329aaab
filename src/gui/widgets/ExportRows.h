#pragma once

#include <cstdint>
#include <string>

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace korvant::gui {

class FormDialog;

// The rows of the export dialogs, laid out alike: "日期范围:" "从" FROM "到" TO
// (date fields "from" and "to") and "导出到:" with the path field (named
// `pathName`) and "浏览" ("browse"), then "确定" and "取消". The fields are
// bound to the form's values.
struct ExportRows {
    QFormLayout* fields;  // further rows go here, above the buttons
    QLineEdit* path;
    QPushButton* browse;
};

ExportRows addExportRows(FormDialog& dialog, int32_t& from, int32_t& to, std::string& path,
                         const char* pathName);

}  // namespace korvant::gui
