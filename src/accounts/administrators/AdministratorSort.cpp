#include "accounts/administrators/AdministratorSort.h"

namespace korvant {

namespace {

int compareColumn(const Administrator& a, const Administrator& b, int column) {
    switch (column) {
        case 0:
            return compareGbkTexts(a.account, b.account);
        case 1:
            return compareGbkTexts(a.password, b.password);
        case 2:
            return compareNumbers(a.permissionMask, b.permissionMask);
        case 3:
            return compareGbkTexts(a.groupName, b.groupName);
        default:
            return compareGbkTexts(a.name, b.name);
    }
}

}  // namespace

AdministratorSorter::AdministratorSorter()
    : ColumnSorter(SortableAdministratorColumns, compareColumn) {}

bool removeAdministrator(RecordCache<Administrator>& cache, int index) {
    if (index < 0 || index >= cache.count()) return false;
    cache.records.erase(cache.records.begin() + index);
    return true;
}

}  // namespace korvant
