#pragma once

#include <QSet>
#include <QString>

#include <string_view>

class QWidget;

// Alt+letter on every button, as the desktop's convention writes it after a
// Chinese caption: "查询(&Q)", shown "查询(Q)". The keys of one window differ:
// a page of the main window does not take the letters of the menu bar, the
// toolbar, the search bar, the pager and the navigation buttons, which are
// on screen with every page.
namespace korvant::gui {

// The letters a caption would take, most wanted first ("查询": "Q"); empty
// for a caption without a preference (it takes the first free letter).
std::string_view preferredAccessKeys(std::string_view caption);

// "查询" with key 'Q': "查询(&Q)".
QString withAccessKey(const QString& caption, QChar key);
// The access key of a caption ("查询(&Q)": 'Q'), or a null QChar.
QChar accessKeyOf(const QString& text);

// Gives every button (push button, check box, radio button; not the tool
// buttons of a toolbar) under `scope` that has a caption and no access key
// one: the caption's preferred letter that is still free, else the first free
// letter, else a free digit. `taken` holds the keys in use and grows; keys
// the buttons already have are added first.
void giveAccessKeys(QWidget* scope, QSet<QChar>& taken);
// The keys of the buttons under `scope` that have one.
QSet<QChar> accessKeysIn(QWidget* scope);

// From now on every dialog of the desk (and every message box) gets its
// access keys and the Tab order of its layout when it is first shown. Once
// per program; Qt's own dialogs (files, printing) are left as they are.
void installDialogKeys();

}  // namespace korvant::gui
