#include "gui/shell/AboutDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korvant::gui {

AboutDialog::AboutDialog(bool withServiceField, Sender send, QWidget* parent)
    : QDialog(parent),
      field_(new QLineEdit(this)),
      button_(new QPushButton(QStringLiteral("发送"), this)),
      send_(std::move(send)) {
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    QIcon programIcon = QApplication::windowIcon();
    if (programIcon.isNull()) programIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    icon->setPixmap(programIcon.pixmap(32, 32));
    top->addWidget(icon);
    top->addWidget(new QLabel(QStringLiteral("Korvant 柜台管理"), this), 1);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    top->addWidget(ok);
    layout->addLayout(top);

    auto* service = new QHBoxLayout;
    // The text travels in a 259-character field.
    field_->setMaxLength(259);
    service->addWidget(field_, 1);
    button_->setAutoDefault(false);
    service->addWidget(button_);
    layout->addLayout(service);
    field_->setVisible(withServiceField);
    button_->setVisible(withServiceField);
    button_->setEnabled(static_cast<bool>(send_));

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (send_) send_(field_->text().toStdString());
        accept();
    });
}

}  // namespace korvant::gui
