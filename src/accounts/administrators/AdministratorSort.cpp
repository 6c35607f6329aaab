#include "accounts/administrators/AdministratorSort.h"

#include <algorithm>
#include <string>

#include "protocol/Gbk.h"

namespace korvant {

namespace {

// GBK bytes compared as unsigned bytes.
int compareGbk(const std::string& a, const std::string& b) {
    std::string ga = toGbk(a);
    std::string gb = toGbk(b);
    return std::lexicographical_compare(ga.begin(), ga.end(), gb.begin(), gb.end(),
                                        [](char x, char y) {
                                            return static_cast<unsigned char>(x) <
                                                   static_cast<unsigned char>(y);
                                        })
               ? -1
               : (ga == gb ? 0 : 1);
}

int compareColumn(const Administrator& a, const Administrator& b, int column) {
    switch (column) {
        case 0:
            return compareGbk(a.account, b.account);
        case 1:
            return compareGbk(a.password, b.password);
        case 2:
            return a.permissionMask < b.permissionMask
                       ? -1
                       : (a.permissionMask == b.permissionMask ? 0 : 1);
        case 3:
            return compareGbk(a.groupName, b.groupName);
        default:
            return compareGbk(a.name, b.name);
    }
}

}  // namespace

bool AdministratorSorter::sortByColumn(std::span<Administrator> records, int column) {
    if (column < 0 || column >= SortableAdministratorColumns) return false;
    ascending_ = !ascending_;
    const bool ascending = ascending_;
    std::stable_sort(records.begin(), records.end(),
                     [column, ascending](const Administrator& a, const Administrator& b) {
                         int order = compareColumn(a, b, column);
                         return ascending ? order < 0 : order > 0;
                     });
    return true;
}

bool removeAdministrator(RecordCache<Administrator>& cache, int index) {
    if (index < 0 || index >= cache.count()) return false;
    cache.records.erase(cache.records.begin() + index);
    return true;
}

}  // namespace korvant
