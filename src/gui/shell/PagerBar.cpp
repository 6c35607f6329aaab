#include "gui/shell/PagerBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

namespace korvant::gui {

PagerBar::PagerBar(QWidget* parent)
    : QWidget(parent),
      label_(new QLabel(this)),
      first_(new QPushButton(QStringLiteral("首页"), this)),
      previous_(new QPushButton(QStringLiteral("上一页"), this)),
      next_(new QPushButton(QStringLiteral("下一页"), this)),
      last_(new QPushButton(QStringLiteral("末页"), this)),
      page_(new QSpinBox(this)),
      go_(new QPushButton(QStringLiteral("转到"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label_);
    layout->addStretch(1);
    for (QPushButton* button : {first_, previous_, next_, last_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    // Pages are typed from 1; the field cannot go below it, so the index
    // sent is never negative.
    page_->setRange(1, std::numeric_limits<int>::max());
    page_->setMinimumWidth(70);
    layout->addWidget(page_);
    go_->setAutoDefault(false);
    layout->addWidget(go_);

    connect(first_, &QPushButton::clicked, this, &PagerBar::firstPage);
    connect(previous_, &QPushButton::clicked, this, &PagerBar::previousPage);
    connect(next_, &QPushButton::clicked, this, &PagerBar::nextPage);
    connect(last_, &QPushButton::clicked, this, &PagerBar::lastPage);
    connect(go_, &QPushButton::clicked, this, [this] { emit goToPage(page_->value() - 1); });
}

void PagerBar::setLabel(const QString& text) {
    label_->setText(text);
}

void PagerBar::setPage(int page) {
    if (page >= 1) page_->setValue(page);
}

QString PagerBar::label() const {
    return label_->text();
}

}  // namespace korvant::gui
