#include "gui/widgets/FormRows.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvant::gui {

QHBoxLayout* dateRangeRow(QWidget* parent, QDateEdit* from, QDateEdit* to) {
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("从"), parent));
    range->addWidget(from);
    range->addWidget(new QLabel(QStringLiteral("到"), parent));
    range->addWidget(to);
    return range;
}

QHBoxLayout* browseRow(QWidget* parent, QLineEdit* path, QPushButton*& browse) {
    auto* row = new QHBoxLayout;
    browse = new QPushButton(QStringLiteral("浏览"), parent);
    row->addWidget(path);
    row->addWidget(browse);
    return row;
}

}  // namespace korvant::gui
