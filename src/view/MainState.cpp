#include "view/MainState.h"

namespace korvant {

int MainState::selectedTab() const {
    if (strip == TabStrip::TwoTab) return twoTabIndex;
    if (strip == TabStrip::ThreeTab) return threeTabIndex;
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

}  // namespace korvant
