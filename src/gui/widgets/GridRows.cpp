#include "gui/widgets/GridRows.h"

#include <QGridLayout>
#include <QLabel>

namespace korvant::gui {

GridRows::GridRows(QWidget* parent) : parent_(parent), grid_(new QGridLayout) {}

void GridRows::add(const char* caption, QWidget* field, QWidget* beside) {
    grid_->addWidget(new QLabel(QString::fromUtf8(caption), parent_), row_, 0);
    grid_->addWidget(field, row_, 1);
    if (beside != nullptr) grid_->addWidget(beside, row_, 2);
    ++row_;
}

void GridRows::addPercent(const char* caption, QWidget* field) {
    add(caption, field, new QLabel(QStringLiteral("%"), parent_));
}

}  // namespace korvant::gui
