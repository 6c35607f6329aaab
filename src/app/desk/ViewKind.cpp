#include "app/desk/ViewKind.h"

namespace korvant {

ViewKind viewKindOf(int value) {
    constexpr ViewKind Views[] = {ViewKind::Accounts, ViewKind::FeeRates,    ViewKind::Risk,
                                  ViewKind::Reports,  ViewKind::MarginRates, ViewKind::Logs};
    for (ViewKind view : Views)
        if (static_cast<int>(view) == value) return view;
    return ViewKind::None;
}

}  // namespace korvant
