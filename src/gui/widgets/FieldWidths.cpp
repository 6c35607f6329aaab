#include "gui/widgets/FieldWidths.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {
namespace {

// The characters (of average width) a field accepts; 0 when unbounded.
int acceptedChars(const QLineEdit* edit) {
    if (auto* gbk = qobject_cast<const GbkLengthValidator*>(edit->validator()))
        return gbk->maxBytes();
    return edit->maxLength() < 32767 ? edit->maxLength() : 0;
}

}  // namespace

void fitFieldWidths(QWidget* form) {
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
        const int chars = std::min(acceptedChars(edit), WidestFieldChars);
        if (chars <= 0) continue;
        const QFontMetrics metrics(edit->font());
        const int width = chars * metrics.averageCharWidth() + 16;
        if (width > edit->minimumWidth()) edit->setMinimumWidth(width);
    }
    for (QListWidget* list : form->findChildren<QListWidget*>()) {
        if (list->count() == 0) continue;
        const int rows = std::min(list->count(), FormListRows);
        const int height = rows * std::max(list->sizeHintForRow(0), 1) + 2 * list->frameWidth();
        if (height > list->minimumHeight()) list->setMinimumHeight(height);
        const int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 8;
        if (width > list->minimumWidth()) list->setMinimumWidth(width);
    }
}

}  // namespace korvant::gui
