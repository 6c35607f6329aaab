#include "app/ViewKind.h"

namespace korvant {

ViewKind viewKindOf(int value) {
    switch (value) {
        case 2:
            return ViewKind::Accounts;
        case 3:
            return ViewKind::FeeRates;
        case 4:
            return ViewKind::Risk;
        case 5:
            return ViewKind::Reports;
        case 7:
            return ViewKind::MarginRates;
        case 8:
            return ViewKind::Logs;
        default:
            return ViewKind::None;
    }
}

}  // namespace korvant
