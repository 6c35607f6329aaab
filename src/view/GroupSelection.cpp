#include "view/GroupSelection.h"

#include "view/DeskView.h"

namespace korvant {

bool setCurrentGroup(DeskView& view, const Group& group) {
    MainState& state = view.state();
    state.searchRange = {{"全部", -1}, {group.name, group.id}};
    state.searchRangeIndex = 1;

    state.group.id = group.id;
    state.group.code = group.groupCode;
    state.group.name = group.name;
    state.filter = SearchFilter{};
    state.filter.groupId = group.id;
    state.page = 0;

    switch (state.group.level()) {
        case 0:
            state.strip = TabStrip::TwoTab;
            state.twoTabIndex = AdministratorTab;
            break;
        case 2:
            state.strip = TabStrip::TwoTab;
            state.twoTabIndex = MainAccountTab;
            break;
        case 4:
            state.strip = TabStrip::ThreeTab;
            break;
        default:
            return false;
    }
    view.desk().notify(DeskChange::Tabs);
    return true;
}

}  // namespace korvant
