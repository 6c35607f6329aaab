#pragma once

class QCoreApplication;
class QTranslator;

namespace korvant::gui {

// Loads Qt's own Chinese texts (file dialogs, standard buttons, Qt's error
// texts) from Qt's translations folder into the application. Without them
// (the translations package not installed) Qt's English texts stay. Returns
// the installed translator (owned by `app`), or null.
QTranslator* installQtTranslations(QCoreApplication& app);

}  // namespace korvant::gui
