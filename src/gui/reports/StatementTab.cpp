#include "gui/reports/StatementTab.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/desk/Desk.h"
#include "app/pages/RememberedDates.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/ReportTabInstall.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/OwnAccessKeys.h"
#include "gui/widgets/Remembered.h"
#include "print/StatementPrint.h"
#include "view/DeskView.h"

namespace korvant::gui {

namespace {

QString shownText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

void printFailed(QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), QStringLiteral("打印失败。 "),
                    QMessageBox::Ok, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

}  // namespace

StatementTab::StatementTab(Desk& desk, Runner run, QWidget* parent)
    : QWidget(parent),
      desk_(desk),
      run_(std::move(run)),
      page_(statementPage(desk)),
      account_(new QLineEdit(this)),
      period_(new QComboBox(this)),
      month_(new QComboBox(this)),
      from_(new QDateEdit(QDate::currentDate(), this)),
      toLabel_(new QLabel(QStringLiteral("到"), this)),
      to_(new QDateEdit(QDate::currentDate(), this)),
      style_(new QComboBox(this)),
      csv_(new QCheckBox(QStringLiteral("CSV格式"), this)),
      text_(new QPlainTextEdit(this)) {
    markOwnAccessKeys(*this);
    account_->setObjectName(QStringLiteral("account"));
    // Ctrl+F puts the cursor here.
    account_->setProperty("searchField", true);
    period_->setObjectName(QStringLiteral("period"));
    month_->setObjectName(QStringLiteral("month"));
    from_->setObjectName(QStringLiteral("from"));
    to_->setObjectName(QStringLiteral("to"));
    style_->setObjectName(QStringLiteral("style"));
    csv_->setObjectName(QStringLiteral("csv"));
    text_->setObjectName(QStringLiteral("statement"));
    account_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), account_));
    account_->setMaximumWidth(120);
    for (PeriodType type : {PeriodType::Day, PeriodType::Month, PeriodType::Range})
        period_->addItem(QString::fromUtf8(periodCaption(type)));
    for (int32_t month : statementMonths(ymdOfDate(QDate::currentDate())))
        month_->addItem(QString::number(month));
    for (StatementStyle style : {StatementStyle::MarkToMarket, StatementStyle::TradeByTrade})
        style_->addItem(QString::fromUtf8(styleCaption(style)));
    setUpDateField(from_);
    setUpDateField(to_);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = print::statementFont();
    font.setPointSize(10);
    text_->setFont(font);

    auto* search = new QPushButton(QStringLiteral("查询"), this);
    auto* save = new QPushButton(QStringLiteral("另存为"), this);
    auto* printButton = new QPushButton(QStringLiteral("打印"), this);
    auto* previewButton = new QPushButton(QStringLiteral("打印预览"), this);
    auto* pdf = new QPushButton(QStringLiteral("导出PDF"), this);
    auto* batch = new QPushButton(QStringLiteral("批量导出"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("客户号:"), this));
    bar->addWidget(account_);
    bar->addWidget(period_);
    bar->addWidget(month_);
    bar->addWidget(from_);
    bar->addWidget(toLabel_);
    bar->addWidget(to_);
    bar->addWidget(style_);
    bar->addWidget(csv_);
    bar->addStretch();
    // The buttons on a row of their own, so that the page is no wider than
    // the other report pages.
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {search, save, printButton, previewButton, pdf, batch})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addLayout(buttons);
    layout->addWidget(text_, 1);
    showPeriodFields();

    // The period, dates, style and format on screen are the page's at all
    // times: a node chosen in the report tree queries them as they stand.
    readFields();
    connect(period_, &QComboBox::currentIndexChanged, this, [this] {
        showPeriodFields();
        readFields();
    });
    connect(month_, &QComboBox::currentIndexChanged, this, [this] { readFields(); });
    for (QDateEdit* date : {from_, to_})
        connect(date, &QDateEdit::dateChanged, this, [this] { readFields(); });
    connect(csv_, &QCheckBox::toggled, this, [this] { readFields(); });
    connect(style_, &QComboBox::currentIndexChanged, this, [this] { this->search(); });
    connect(search, &QPushButton::clicked, this, [this] { this->search(); });
    connect(account_, &QLineEdit::returnPressed, this, [this] { this->search(); });
    connect(account_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_.account = text.toStdString(); });
    connect(save, &QPushButton::clicked, this, [this] {
        readFields();
        run_([this] { saveStatementAs(desk_, page_); });
    });
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(previewButton, &QPushButton::clicked, this, [this] { preview(); });
    connect(pdf, &QPushButton::clicked, this, [this] { exportPdf(); });
    connect(batch, &QPushButton::clicked, this, [this] {
        readFields();
        run_([this] { batchExportStatements(desk_, page_); });
    });
    // A query run from elsewhere (a node chosen in the report tree) ends
    // with the page label: the text is drawn again then.
    observer_ = desk_.subscribe([this](DeskChange change) {
        if (change == DeskChange::PageLabel && reportPages(desk_).shown == &page_) redraw();
    });
}

StatementTab::~StatementTab() {
    desk_.unsubscribe(observer_);
    // A date typed but not taken yet is taken when its field loses the
    // focus while the window is torn down: it must not reach this object.
    for (QDateEdit* date : {from_, to_}) date->disconnect(this);
}

void StatementTab::showPeriodFields() {
    const auto type = static_cast<PeriodType>(period_->currentIndex());
    month_->setVisible(type == PeriodType::Month);
    from_->setVisible(type != PeriodType::Month);
    toLabel_->setVisible(type == PeriodType::Range);
    to_->setVisible(type == PeriodType::Range);
}

void StatementTab::readFields() {
    page_.period.type = static_cast<PeriodType>(std::max(period_->currentIndex(), 0));
    page_.period.first = ymdOfDate(from_->date());
    page_.period.last = ymdOfDate(to_->date());
    page_.period.month = month_->currentText().left(15).toInt();
    page_.style = static_cast<StatementStyle>(std::max(style_->currentIndex(), 0));
    page_.csv = csv_->isChecked();
}

StatementTab::Fields StatementTab::fields() const {
    Fields shown;
    shown.period = std::max(period_->currentIndex(), 0);
    shown.from = from_->date();
    shown.to = to_->date();
    shown.month = month_->currentText().left(15).toInt();
    shown.style = std::max(style_->currentIndex(), 0);
    shown.csv = csv_->isChecked();
    return shown;
}

void StatementTab::setFields(const Fields& fields) {
    const QSignalBlocker blockPeriod(period_);
    const QSignalBlocker blockMonth(month_);
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    const QSignalBlocker blockStyle(style_);
    const QSignalBlocker blockCsv(csv_);
    if (fields.period >= 0 && fields.period < period_->count())
        period_->setCurrentIndex(fields.period);
    if (fields.from.isValid()) from_->setDate(fields.from);
    if (fields.to.isValid()) to_->setDate(fields.to);
    const int month = month_->findText(QString::number(fields.month));
    if (month >= 0) month_->setCurrentIndex(month);
    if (fields.style >= 0 && fields.style < style_->count()) style_->setCurrentIndex(fields.style);
    csv_->setChecked(fields.csv);
    showPeriodFields();
    readFields();
}

void StatementTab::recallFields(const RememberedValues& values, int32_t today) {
    Fields recalled = fields();
    bool ok = false;
    const int period = values.value(QStringLiteral("statement.period")).toInt(&ok);
    if (ok) recalled.period = period;
    const std::string dates = values.value(QStringLiteral("statement.dates")).toStdString();
    if (auto ymds = recallDates(dates, today, 2)) {
        recalled.from = dateOfYmd((*ymds)[0]);
        recalled.to = dateOfYmd((*ymds)[1]);
    }
    const std::string month = values.value(QStringLiteral("statement.month")).toStdString();
    if (auto kept = recallMonth(month, today)) recalled.month = *kept;
    const int style = values.value(QStringLiteral("statement.style")).toInt(&ok);
    if (ok) recalled.style = style;
    const QString csv = values.value(QStringLiteral("statement.csv"));
    if (!csv.isEmpty()) recalled.csv = csv == QLatin1String("1");
    setFields(recalled);
}

void StatementTab::rememberFields(RememberedValues& values, int32_t today) const {
    const Fields shown = fields();
    values.setValue(QStringLiteral("statement.period"), QString::number(shown.period));
    values.setValue(
        QStringLiteral("statement.dates"),
        QString::fromStdString(rememberDates({ymdOfDate(shown.from), ymdOfDate(shown.to)}, today)));
    values.setValue(QStringLiteral("statement.month"),
                    QString::fromStdString(rememberMonth(shown.month, today)));
    values.setValue(QStringLiteral("statement.style"), QString::number(shown.style));
    values.setValue(QStringLiteral("statement.csv"),
                    shown.csv ? QStringLiteral("1") : QStringLiteral("0"));
}

void StatementTab::search() {
    readFields();
    run_([this] { queryStatement(desk_, page_); });
    redraw();
}

void StatementTab::redraw() {
    const QString account = QString::fromStdString(page_.account);
    if (account_->text() != account) account_->setText(account);
    const QString text = shownText(page_.text);
    if (text_->toPlainText() != text) text_->setPlainText(text);
}

void StatementTab::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return;
    printer.setDocName(QStringLiteral("打印结算单"));
    if (!print::paintStatement(printer, shownText(page_.text))) printFailed(this);
}

void StatementTab::preview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("打印结算单"));
    QPrintPreviewDialog dialog(&printer, this);
    const QString text = shownText(page_.text);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, text](QPrinter* p) {
        if (!print::paintStatement(*p, text)) printFailed(this);
    });
    dialog.exec();
}

void StatementTab::exportPdf() {
    readFields();
    QString name = QString::fromStdString(proposedStatementName(page_));
    name = name.left(name.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".pdf");
    QString path =
        chooseSaveFileName(this, QStringLiteral("statement.pdf"), QStringLiteral("导出PDF"), name,
                           QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    QString error;
    if (!print::writeStatementPdf(path, shownText(page_.text), &error))
        QMessageBox::critical(this, QStringLiteral("提示"),
                              QStringLiteral("文件保存失败：") + path + QLatin1Char('\n') + error);
}

StatementTab* StatementTab::install(DeskView& view, ContentPanel& content, Runner run) {
    Desk& desk = view.desk();
    if (content.viewStrip(ViewKind::Reports) == nullptr) return nullptr;
    auto* tab = new StatementTab(desk, std::move(run), &content);
    installReportPage(view, content, tab, StatementPage::Tab, [&desk, tab](bool shown) {
        showStatementTab(desk, shown);
        if (shown) tab->redraw();
    });
    return tab;
}

}  // namespace korvant::gui
