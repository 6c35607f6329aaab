#pragma once

class QGridLayout;
class QWidget;

namespace korvant::gui {

// Rows of a dialog laid out in a grid, top to bottom: the caption, the field
// and, where there is one, what stands beside it (a unit, the amount in
// words).
class GridRows {
public:
    explicit GridRows(QWidget* parent);

    void add(const char* caption, QWidget* field, QWidget* beside = nullptr);
    // The caption "%" beside the field.
    void addPercent(const char* caption, QWidget* field);
    QGridLayout* layout() const { return grid_; }

private:
    QWidget* parent_;
    QGridLayout* grid_;
    int row_ = 0;
};

}  // namespace korvant::gui
