#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "reports/money/MoneySeries.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPainter;

namespace korvant {
class FrontEndPort;
}

namespace korvant::gui {

// A chart of report lines over trading days: the lines of the left axis,
// those of the right axis (drawn dashed), the note under it, hover texts
// with the day and the values of every line, and "保存PNG", "保存PDF",
// "打印".
class SeriesChart : public QWidget {
    Q_OBJECT
public:
    struct Axis {
        QString title;
        int decimals = 2;
        std::vector<Series> lines;
    };

    SeriesChart(FrontEndPort& port, QString fileName, QWidget* parent = nullptr);

    // Draws the lines anew; the right axis only when it has lines.
    void show(const QString& title, const Axis& left, const Axis& right, const std::string& note);

    // The names of the lines drawn, left axis first (for the legend).
    QStringList lineNames() const;
    // The points of the line `name` (empty for none).
    std::vector<SeriesPoint> pointsOf(const QString& name) const;
    // The hover text for a day: the day and the value of each line there.
    QString textOfDay(int32_t day) const;
    QString note() const;

    // The chart written to `path` as PNG or PDF: checked as every target the
    // desk writes, then a temporary file renamed into place. False after a
    // message when the file could not be written.
    bool savePng(const QString& path);
    bool savePdf(const QString& path);

private:
    struct Drawn {
        QLineSeries* line;
        Series series;
        int decimals;
    };
    void saveAs(const QString& filter, const QString& suffix);
    bool writeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
    void paintOn(QPainter& painter, const QRect& target);
    void print();
    void hovered(const QPointF& point, bool state);

    FrontEndPort& port_;
    QString fileName_;
    QChart* chart_;
    QChartView* view_;
    QLabel* note_;
    std::vector<Drawn> drawn_;
};

}  // namespace korvant::gui
