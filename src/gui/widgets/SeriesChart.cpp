#include "gui/widgets/SeriesChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "app/forms/SaveTarget.h"
#include "app/port/FrontEndPort.h"

namespace korvant::gui {
namespace {

QDateTime timeOfDay(int32_t day) {
    return QDateTime(QDate(day / 10000, day / 100 % 100, day % 100), QTime(12, 0));
}

int32_t dayOfTime(qreal msecs) {
    const QDate date = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(msecs)).date();
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// Room around the values of an axis, so that a flat line is not drawn on
// its edge.
void fitAxis(QValueAxis* axis, double low, double high, int decimals) {
    double margin = (high - low) * 0.08;
    if (margin <= 0) margin = std::max(std::abs(high) * 0.01, std::pow(10.0, -decimals));
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
    // Large amounts are read by their whole units.
    const int shown = std::max(std::abs(low), std::abs(high)) >= 10000 ? 0 : decimals;
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(shown) + QStringLiteral("f"));
}

}  // namespace

SeriesChart::SeriesChart(FrontEndPort& port, QString fileName, QWidget* parent)
    : QWidget(parent),
      port_(port),
      fileName_(std::move(fileName)),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("chart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(180);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    note_->setObjectName(QStringLiteral("chartNote"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note_, 1);
    const struct {
        const char* caption;
        const char* name;
        std::function<void()> work;
    } actions[] = {
        {"保存PNG", "savePng",
         [this] { saveAs(QStringLiteral("PNG图片"), QStringLiteral("png")); }},
        {"保存PDF", "savePdf",
         [this] { saveAs(QStringLiteral("PDF文件"), QStringLiteral("pdf")); }},
        {"打印", "printChart", [this] { print(); }},
    };
    for (const auto& action : actions) {
        auto* button = new QPushButton(QString::fromUtf8(action.caption), this);
        button->setObjectName(QString::fromLatin1(action.name));
        connect(button, &QPushButton::clicked, this, action.work);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void SeriesChart::show(const QString& title, const Axis& left, const Axis& right,
                       const std::string& note) {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    drawn_.clear();
    chart_->setTitle(title);
    note_->setText(QString::fromStdString(note));

    auto* days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("yyyy-MM-dd"));
    days->setTickCount(6);
    chart_->addAxis(days, Qt::AlignBottom);
    int32_t first = 0, last = 0;
    const Axis* sides[] = {&left, &right};
    for (const Axis* side : sides) {
        bool any = false;
        double low = 0, high = 0;
        for (const Series& s : side->lines)
            for (const SeriesPoint& p : s.points) {
                low = any ? std::min(low, p.value) : p.value;
                high = any ? std::max(high, p.value) : p.value;
                first = first == 0 ? p.day : std::min(first, p.day);
                last = std::max(last, p.day);
                any = true;
            }
        if (side == &right && side->lines.empty()) continue;
        auto* values = new QValueAxis;
        values->setTitleText(side->title);
        fitAxis(values, low, high, side->decimals);
        chart_->addAxis(values, side == &left ? Qt::AlignLeft : Qt::AlignRight);
        for (const Series& s : side->lines) {
            auto* line = new QLineSeries;
            line->setName(QString::fromStdString(s.name));
            for (const SeriesPoint& p : s.points)
                line->append(static_cast<qreal>(timeOfDay(p.day).toMSecsSinceEpoch()), p.value);
            line->setPointsVisible(s.points.size() < 60);
            chart_->addSeries(line);
            line->attachAxis(days);
            line->attachAxis(values);
            if (side == &right) {
                QPen pen = line->pen();
                pen.setStyle(Qt::DashLine);
                line->setPen(pen);
            }
            connect(line, &QLineSeries::hovered, this,
                    [this](const QPointF& point, bool state) { hovered(point, state); });
            drawn_.push_back({line, s, side->decimals});
        }
    }
    if (first == 0)
        first = last = dayOfTime(static_cast<qreal>(QDateTime::currentMSecsSinceEpoch()));
    QDateTime from = timeOfDay(first), to = timeOfDay(last);
    if (from == to) {
        from = from.addDays(-1);
        to = to.addDays(1);
    }
    days->setRange(from, to);
}

QStringList SeriesChart::lineNames() const {
    QStringList names;
    for (const Drawn& d : drawn_) names << d.line->name();
    return names;
}

std::vector<SeriesPoint> SeriesChart::pointsOf(const QString& name) const {
    for (const Drawn& d : drawn_)
        if (d.line->name() == name) return d.series.points;
    return {};
}

QString SeriesChart::note() const {
    return note_->text();
}

QString SeriesChart::textOfDay(int32_t day) const {
    QStringList lines;
    for (const Drawn& d : drawn_)
        for (const SeriesPoint& p : d.series.points)
            if (p.day == day) {
                const std::string text =
                    seriesPointText(d.line->name().toStdString(), p, d.decimals);
                // The day once, on the first line.
                lines << (lines.isEmpty() ? QString::fromStdString(text)
                                          : QString::fromStdString(text.substr(12)));
            }
    return lines.join(QLatin1Char('\n'));
}

void SeriesChart::hovered(const QPointF& point, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    // The nearest day with a point on any line.
    const int32_t near = dayOfTime(point.x());
    int32_t best = 0;
    qint64 distance = 0;
    for (const Drawn& d : drawn_)
        for (const SeriesPoint& p : d.series.points) {
            const qint64 apart = std::abs(timeOfDay(p.day).daysTo(timeOfDay(near)));
            if (best == 0 || apart < distance) {
                best = p.day;
                distance = apart;
            }
        }
    if (best != 0) QToolTip::showText(QCursor::pos(), textOfDay(best), view_);
}

void SeriesChart::paintOn(QPainter& painter, const QRect& target) {
    painter.setRenderHint(QPainter::Antialiasing);
    chart_->scene()->render(&painter, QRectF(target), chart_->sceneBoundingRect());
}

bool SeriesChart::writeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    if (!checkSaveTarget(port_, path.toStdString())) return false;
    // A temporary file beside the target, renamed over it when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        port_.error("文件保存失败：" + path.toStdString() + "\n" + reason.toStdString());
        return false;
    }
    return true;
}

bool SeriesChart::savePng(const QString& path) {
    return writeFile(path, [this](QIODevice& file) {
        const QSize size = view_->size().expandedTo(QSize(640, 360));
        QImage image(size * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintOn(painter, QRect(QPoint(0, 0), size));
        painter.end();
        return image.save(&file, "PNG");
    });
}

bool SeriesChart::savePdf(const QString& path) {
    return writeFile(path, [this](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setTitle(chart_->title());
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        paintOn(painter, painter.viewport());
        return painter.end();
    });
}

void SeriesChart::saveAs(const QString& filter, const QString& suffix) {
    const std::optional<std::string> chosen =
        port_.chooseSaveFile("保存图表", (fileName_ + QLatin1Char('.') + suffix).toStdString(),
                             {{filter.toStdString(), "*." + suffix.toStdString()}});
    if (!chosen) return;
    QString path = QString::fromStdString(*chosen);
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    if (suffix == QStringLiteral("png"))
        savePng(path);
    else
        savePdf(path);
}

void SeriesChart::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    printer.setDocName(chart_->title());
    QPainter painter;
    if (!painter.begin(&printer)) {
        port_.showMessage({"打印失败。 ", "错误", MessageIcon::Error});
        return;
    }
    paintOn(painter, painter.viewport());
    painter.end();
}

}  // namespace korvant::gui
