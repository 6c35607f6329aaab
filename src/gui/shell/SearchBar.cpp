#include "gui/shell/SearchBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvant::gui {

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent),
      range_(new QComboBox(this)),
      keyword_(new QLineEdit(this)),
      category_(new QComboBox(this)),
      search_(new QPushButton(QStringLiteral("查找"), this)),
      advanced_(new QPushButton(QStringLiteral("高级搜索"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("查找范围"), this));
    range_->setMinimumWidth(100);
    // As wide as the group's whole name; the chosen name is its tooltip.
    range_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(range_, &QComboBox::currentTextChanged, range_, &QComboBox::setToolTip);
    layout->addWidget(range_);
    layout->addWidget(new QLabel(QStringLiteral("关键字"), this));
    // The remark keyword is the longest field (31 characters); the core
    // cuts the others.
    keyword_->setMaxLength(31);
    keyword_->setMinimumWidth(100);
    layout->addWidget(keyword_);
    layout->addWidget(new QLabel(QStringLiteral("类别"), this));
    category_->addItems({QStringLiteral("用户名"), QStringLiteral("密码"),
                         QStringLiteral("开户日期"), QStringLiteral("备注")});
    layout->addWidget(category_);
    search_->setAutoDefault(false);
    advanced_->setAutoDefault(false);
    layout->addWidget(search_);
    layout->addWidget(advanced_);
    setRange(QString(), -1);

    connect(search_, &QPushButton::clicked, this, &SearchBar::searchRequested);
    connect(keyword_, &QLineEdit::returnPressed, this, &SearchBar::searchRequested);
    connect(advanced_, &QPushButton::clicked, this, &SearchBar::advancedSearchRequested);
}

void SearchBar::setRange(const QString& groupName, int groupId) {
    range_->clear();
    range_->addItem(QStringLiteral("全部"), -1);
    if (groupId >= 0) {
        range_->addItem(groupName, groupId);
        range_->setCurrentIndex(1);
    }
}

int SearchBar::rangeGroupId() const {
    QVariant data = range_->currentData();
    return data.isValid() ? data.toInt() : -1;
}

QString SearchBar::keyword() const {
    return keyword_->text();
}

int SearchBar::category() const {
    return category_->currentIndex();
}

}  // namespace korvant::gui
