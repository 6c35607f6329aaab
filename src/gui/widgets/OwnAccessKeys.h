#pragma once

#include <QWidget>

// A page of the content panel that shows alone (a report tab, the
// statement, the log): the main window gives its buttons access keys of
// their own, apart from those of the page's neighbours, only not the
// window's (menu bar, toolbar, search bar, pager, navigation).
namespace korvant::gui {

inline constexpr const char* OwnAccessKeysProperty = "ownAccessKeys";

inline void markOwnAccessKeys(QWidget& page) {
    page.setProperty(OwnAccessKeysProperty, true);
}

inline bool hasOwnAccessKeys(const QWidget& page) {
    return page.property(OwnAccessKeysProperty).toBool();
}

}  // namespace korvant::gui
