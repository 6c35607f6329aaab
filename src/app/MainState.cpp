#include "app/MainState.h"

#include <cstdio>

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

std::string pageLabelText(int page, int total) {
    char text[64];
    std::snprintf(text, sizeof text, "当前第%d/%d页", page, total);
    return text;
}

}  // namespace korvant
