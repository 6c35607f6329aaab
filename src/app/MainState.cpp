#include "app/MainState.h"

#include "text/NumberText.h"

namespace korvant {

int MainState::selectedTab() const {
    switch (strip) {
        case TabStrip::TwoTab:
            return twoTabIndex;
        case TabStrip::ThreeTab:
            return threeTabIndex;
        case TabStrip::None:
            break;
    }
    return -1;
}

AccountList MainState::listOfTab(TabStrip strip, int tab) {
    if (strip == TabStrip::TwoTab) {
        if (tab == MainAccountTab) return AccountList::MainAccounts;
        if (tab == AdministratorTab) return AccountList::Administrators;
    } else if (strip == TabStrip::ThreeTab) {
        if (tab == MainAccountTab) return AccountList::MainAccountLinks;
        if (tab == AdministratorTab) return AccountList::Administrators;
        if (tab == SubAccountTab) return AccountList::SubAccounts;
    }
    return AccountList::None;
}

std::string pageLabelText(int64_t page, int64_t total) {
    return "当前第" + formatInt(page) + "/" + formatInt(total) + "页";
}

}  // namespace korvant
