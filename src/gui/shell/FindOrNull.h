#pragma once

namespace korvant::gui {

// The pointer a map holds for `key`; null when it holds none.
template <class Map, class Key>
typename Map::mapped_type findOrNull(const Map& map, const Key& key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : it->second;
}

}  // namespace korvant::gui
