#include "gui/widgets/DateFields.h"

#include <QDateEdit>

namespace korvant::gui {

void setUpDateField(QDateEdit* edit) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setKeyboardTracking(false);
    // Typing starts in the year and moves on section by section.
    edit->setCurrentSection(QDateTimeEdit::YearSection);
}

}  // namespace korvant::gui
