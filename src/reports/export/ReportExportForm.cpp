#include "reports/export/ReportExportForm.h"

#include <sys/stat.h>

#include "app/forms/ReplaceQuestion.h"

namespace korvant {

namespace {

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsWith(const std::string& text, const char* tail) {
    const std::string end(tail);
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::optional<std::string> exportFilePath(const std::string& chosen) {
    if (fileNameOf(chosen).find('.') == std::string::npos) return chosen + ".csv";
    if (endsWith(chosen, ".csv") || endsWith(chosen, ".CSV")) return chosen;
    if (endsWith(chosen, ".xlsx") || endsWith(chosen, ".XLSX")) return chosen;
    return std::nullopt;
}

bool takeChosenExportPath(FrontEndPort& port, ReportExportForm& form, const std::string& chosen) {
    const std::optional<std::string> path = exportFilePath(chosen);
    if (!path) {
        port.showMessage(
            {"保存文件格式错误，后缀名应该为“.csv”！", "错误信息", MessageIcon::Error});
        return false;
    }
    struct stat existing {};
    const bool exists = ::lstat(path->c_str(), &existing) == 0;
    if (!mayReplaceFile(port, *path)) return false;
    form.path = *path;
    form.mayReplace = exists;
    return true;
}

bool browseExportFile(FrontEndPort& port, ReportExportForm& form) {
    const std::optional<std::string> chosen = port.chooseSaveFileAskedLater(
        "导出", form.path, {{"Excel文件", "*.csv"}, {"Excel 工作簿", "*.xlsx"}});
    return chosen && takeChosenExportPath(port, form, *chosen);
}

bool validateReportExportForm(FrontEndPort& port, ReportExportForm& form) {
    if (form.endDate < form.startDate)
        return refuseField(port, form, "to",
                           {"起始时间不能晚于结束时间", "提示", MessageIcon::Information});
    if (form.path.empty())
        return refuseField(port, form, "path",
                           {"请先选择导出文件。", "提示", MessageIcon::Warning});
    return true;
}

bool editReportExportForm(FrontEndPort& port, ReportExportForm& form) {
    form.browse = [&port](ReportExportForm& f) { return browseExportFile(port, f); };
    const bool accepted = port.editForm(
        form, [&port](ReportExportForm& f) { return validateReportExportForm(port, f); });
    form.browse = nullptr;
    return accepted;
}

}  // namespace korvant
