#include "gui/widgets/ExportRows.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/PathField.h"

namespace korvant::gui {

ExportRows addExportRows(FormDialog& dialog, int32_t& from, int32_t& to, std::string& path,
                         const char* pathName) {
    auto* fromEdit = dialog.bindDate(new QDateEdit(&dialog), from);
    auto* toEdit = dialog.bindDate(new QDateEdit(&dialog), to);
    fromEdit->setObjectName(QStringLiteral("from"));
    toEdit->setObjectName(QStringLiteral("to"));
    ExportRows rows{new QFormLayout, dialog.bindText(new PathField(&dialog), path),
                    new QPushButton(QStringLiteral("浏览"), &dialog)};
    rows.path->setObjectName(QString::fromUtf8(pathName));
    rows.path->setMinimumWidth(360);
    rows.browse->setObjectName(QStringLiteral("browse"));

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("从"), &dialog));
    range->addWidget(fromEdit);
    range->addWidget(new QLabel(QStringLiteral("到"), &dialog));
    range->addWidget(toEdit);
    rows.fields->addRow(QStringLiteral("日期范围:"), range);
    auto* file = new QHBoxLayout;
    file->addWidget(rows.path);
    file->addWidget(rows.browse);
    rows.fields->addRow(QStringLiteral("导出到:"), file);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(rows.fields);
    addOkCancelButtons(&dialog, layout);
    return rows;
}

}  // namespace korvant::gui
