#pragma once

class QCoreApplication;
class QTranslator;

namespace korvant::gui {

// Loads Qt's own Chinese texts (file dialogs, standard buttons, Qt's error
// texts) from Qt's translations folder into the application; where that
// folder has none, the desk's own Chinese texts of the dialogs it shows.
// Returns the installed translator (owned by `app`). The file list's dates
// and sizes follow the system's locale (Chinese on a Chinese desktop).
QTranslator* installQtTranslations(QCoreApplication& app);

// Chinese (China) as the default locale of every widget made afterwards:
// month and day names of the date pickers' calendars, the dates of the file
// dialogs. The desk's numbers are formatted without any locale, as before.
void useChineseLocale();

}  // namespace korvant::gui
