#include "gui/reports/SettlementStatusDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korvant::gui {

SettlementStatusDialog::SettlementStatusDialog(SettlementStatusForm& form, QWidget* parent)
    : CoreCallDialog(parent),
      watch_(*form.watch),
      status_(new QLabel(QString::fromStdString(form.watch->text()), this)),
      timer_(new QTimer(this)) {
    setWindowTitle(QStringLiteral("结算状态"));
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);  // the server's failure text
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("状态:"), this));
    row->addWidget(status_, 1);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    timer_->setInterval(SettlementWatch::IntervalMs);
    connect(timer_, &QTimer::timeout, this, &SettlementStatusDialog::tick);
}

bool SettlementStatusDialog::run() {
    if (watch_.polling()) timer_->start();
    return execPassingFailure() == QDialog::Accepted;
}

void SettlementStatusDialog::tick() {
    // The core ends the program: the dialog closes, the caller ends it.
    if (!call([this] { watch_.tick(); })) {
        timer_->stop();
        return;
    }
    status_->setText(QString::fromStdString(watch_.text()));
    if (!watch_.polling()) timer_->stop();
}

void SettlementStatusDialog::done(int result) {
    timer_->stop();
    watch_.stop();
    QDialog::done(result);
}

}  // namespace korvant::gui
