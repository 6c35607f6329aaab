#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

namespace korvant::gui {

// The pager shared by every paged view: first, previous, next, last, a page
// number field with its go button, and the page label.
class PagerBar : public QWidget {
    Q_OBJECT
public:
    explicit PagerBar(QWidget* parent = nullptr);

    // The label text as the core formats it ("当前第%d/%d页").
    void setLabel(const QString& text);
    QString label() const;
    // Shows the page now on screen (from 1) in the page field.
    void setPage(int page);

    QPushButton* firstButton() const { return first_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* lastButton() const { return last_; }
    QPushButton* goButton() const { return go_; }
    QSpinBox* pageField() const { return page_; }

signals:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    // The page index (from 0) of the number typed in the field.
    void goToPage(int pageIndex);

private:
    QLabel* label_;
    QPushButton* first_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* last_;
    QSpinBox* page_;
    QPushButton* go_;
};

}  // namespace korvant::gui
