#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace korvant::gui {

// The search bar at the right end of the toolbar: "查找范围", "关键字",
// "类别", the search button and "高级搜索". It only collects the values;
// the core turns them into the list filter.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent = nullptr);

    // "全部" (-1) and the selected group, which becomes the current entry.
    void setRange(const QString& groupName, int groupId);
    int rangeGroupId() const;
    // The keyword as typed.
    QString keyword() const;
    // 0 "用户名", 1 "密码", 2 "开户日期", 3 "备注".
    int category() const;

    QComboBox* rangeCombo() const { return range_; }
    QLineEdit* keywordEdit() const { return keyword_; }
    QComboBox* categoryCombo() const { return category_; }
    QPushButton* searchButton() const { return search_; }
    QPushButton* advancedButton() const { return advanced_; }

signals:
    void searchRequested();
    void advancedSearchRequested();

private:
    QComboBox* range_;
    QLineEdit* keyword_;
    QComboBox* category_;
    QPushButton* search_;
    QPushButton* advanced_;
};

}  // namespace korvant::gui
