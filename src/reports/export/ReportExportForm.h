#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/port/FrontEndPort.h"

// The dialog "导出" of the report exports (account funds, net values, orders,
// trades): the date range, the file, and the rules of the file's name.
namespace korvant {

struct ReportExportForm final : Form {
    static constexpr const char* Kind = "reportExport";
    const char* kind() const override { return Kind; }

    int32_t startDate = 0;  // "日期范围:" "从", yyyymmdd
    int32_t endDate = 0;    // "到"
    std::string path;       // "导出到:" (read-only; "浏览" chooses it)
    // Whether the file at `path` may be replaced: the user agreed to replace
    // the existing file (or named it on the command line). The old file is
    // replaced only when the new one is complete.
    bool mayReplace = false;
    // "浏览": chooses `path` (set by the export; see browseExportFile).
    // Returns whether the path changed. May be empty.
    std::function<bool(ReportExportForm&)> browse;
};

// The path to use for a chosen file name: with ".csv" appended when the
// name has no "."; the name itself when it ends in ".csv" or ".CSV", or in
// ".xlsx" or ".XLSX" (a workbook); none otherwise.
std::optional<std::string> exportFilePath(const std::string& chosen);

// The chosen file of "浏览" taken into the form: a wrong extension shows
// "保存文件格式错误，后缀名应该为“.csv”！" ("错误信息", error icon) and keeps the
// previous path; an existing file asks "<name>文件已经存在，是否替换原文件？"
// ("提示信息"), and No keeps the previous path. Nothing is removed here.
// Returns whether the path changed.
bool takeChosenExportPath(FrontEndPort& port, ReportExportForm& form, const std::string& chosen);

// "浏览": the save-file dialog ("Excel文件 (*.csv)", "Excel 工作簿 (*.xlsx)"), then
// takeChosenExportPath.
bool browseExportFile(FrontEndPort& port, ReportExportForm& form);

// "确定": the "到" day before the "从" day shows "起始时间不能晚于结束时间"; an
// empty path "请先选择导出文件。". Nothing is fetched before both are right.
bool validateReportExportForm(FrontEndPort& port, ReportExportForm& form);

// Shows "导出" with the form's values and "浏览" bound to `port`, checked by
// validateReportExportForm; true when accepted.
bool editReportExportForm(FrontEndPort& port, ReportExportForm& form);

}  // namespace korvant
