#include "gui/risk/RuleDialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/desk/Desk.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/QtText.h"
#include "risk/RiskCategory.h"

namespace korvant::gui {

namespace {

QTime timeOf(int32_t value) {
    return QTime(value / 10000 % 24, value / 100 % 100 % 60, value % 100 % 60);
}

int32_t valueOf(const QTime& time) {
    return time.hour() * 10000 + time.minute() * 100 + time.second();
}

QTimeEdit* timeEdit(QWidget* parent, const char* name) {
    auto* edit = new QTimeEdit(parent);
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    edit->setObjectName(QString::fromUtf8(name));
    return edit;
}

QCheckBox* checkBox(QWidget* parent, const char* caption, const char* name) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

QLabel* noteLabel(QWidget* parent, const std::string& note) {
    auto* label = new QLabel(qs(note), parent);
    // Red that reads on the palette's background, light or dark.
    QPalette palette = label->palette();
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    palette.setColor(QPalette::WindowText, dark ? QColor(0xff, 0x80, 0x80) : QColor(0xb0, 0, 0));
    label->setPalette(palette);
    label->setVisible(!note.empty());
    return label;
}

QLineEdit* nameEdit(QWidget* parent) {
    auto* name = new QLineEdit(parent);
    name->setObjectName(QStringLiteral("name"));
    name->setValidator(new GbkLengthValidator(RuleSummaryBytes - 1, name));
    return name;
}

}  // namespace

// --- the product lists of the two product dialogs ---

ProductLists::ProductLists(const std::vector<ExchangeProducts>& exchanges, QWidget* parent)
    : QWidget(parent), exchanges_(new QTreeWidget(this)), stack_(new QStackedWidget(this)) {
    exchanges_->setHeaderHidden(true);
    exchanges_->setObjectName(QStringLiteral("exchanges"));
    for (const ExchangeProducts& e : exchanges) {
        exchanges_->addTopLevelItem(new QTreeWidgetItem(QStringList{qs(e.caption)}));
        auto* list = new QListWidget(stack_);
        list->setObjectName(qs("products" + e.code));
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        for (const std::string& p : e.products) list->addItem(qs(p));
        stack_->addWidget(list);
        lists_.push_back(list);
    }
    connect(exchanges_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) stack_->setCurrentIndex(exchanges_->indexOfTopLevelItem(item));
    });
    if (exchanges_->topLevelItemCount() > 0)
        exchanges_->setCurrentItem(exchanges_->topLevelItem(0));
    exchanges_->setFixedWidth(110);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(exchanges_);
    layout->addWidget(stack_, 1);
}

void ProductLists::select(const std::vector<std::string>& products) {
    for (QListWidget* list : lists_)
        for (int i = 0; i < list->count(); ++i) {
            const std::string code = list->item(i)->text().toStdString();
            list->item(i)->setSelected(std::find(products.begin(), products.end(), code) !=
                                       products.end());
        }
}

std::vector<std::string> ProductLists::selected() const {
    std::vector<std::string> out;
    for (QListWidget* list : lists_)
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) out.push_back(list->item(i)->text().toStdString());
    return out;
}

QListWidget* ProductLists::shownList() const {
    return static_cast<QListWidget*>(stack_->currentWidget());
}

// --- "交易品种" ---

ProductRuleDialog::ProductRuleDialog(ProductRuleForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      products_(new ProductLists(form.exchanges, this)),
      name_(nameEdit(this)),
      start_(timeEdit(this, "start")),
      end_(timeEdit(this, "end")),
      forbidOpen_(checkBox(this, "禁止开仓", "forbidOpen")),
      forbidClose_(checkBox(this, "禁止平仓", "forbidClose")) {
    setWindowTitle(QStringLiteral("交易品种"));
    products_->setObjectName(QStringLiteral("products"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(products_, 1);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("名称(可不填):"), name_);
    auto* window = new QHBoxLayout;
    window->addWidget(new QLabel(QStringLiteral("起始时间:"), this));
    window->addWidget(start_);
    window->addWidget(new QLabel(QStringLiteral("终止时间:"), this));
    window->addWidget(end_);
    window->addWidget(new QLabel(QStringLiteral("（起止均为0时表示全天有效）"), this));
    window->addStretch();
    auto* flags = new QHBoxLayout;
    flags->addWidget(forbidOpen_);
    flags->addWidget(forbidClose_);
    flags->addStretch();
    layout->addLayout(fields);
    layout->addLayout(window);
    layout->addLayout(flags);
    layout->addWidget(noteLabel(this, form.note));
    addOkCancelButtons(this, layout);
    resize(520, 420);
}

void ProductRuleDialog::readForm() {
    products_->select(form_.selected);
    name_->setText(qs(form_.name));
    start_->setTime(timeOf(form_.windowStart));
    end_->setTime(timeOf(form_.windowEnd));
    forbidOpen_->setChecked(form_.forbidOpen);
    forbidClose_->setChecked(form_.forbidClose);
}

void ProductRuleDialog::writeForm() {
    form_.selected = products_->selected();
    form_.name = name_->text().toStdString();
    form_.windowStart = valueOf(start_->time());
    form_.windowEnd = valueOf(end_->time());
    form_.forbidOpen = forbidOpen_->isChecked();
    form_.forbidClose = forbidClose_->isChecked();
}

// --- the generic dialog ---

GenericRuleDialog::GenericRuleDialog(GenericRuleForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      kinds_(new QListWidget(this)),
      scopeLabel_(new QLabel(this)),
      scope_(new QLineEdit(this)),
      pickProducts_(new QPushButton(QStringLiteral("选择品种"), this)),
      pickExchanges_(new QPushButton(QStringLiteral("选择交易所"), this)),
      windowRow_(new QWidget(this)),
      start_(timeEdit(windowRow_, "start")),
      end_(timeEdit(windowRow_, "end")),
      flagsRow_(new QWidget(this)),
      forbidOpen_(checkBox(flagsRow_, "禁止开仓", "forbidOpen")),
      forbidClose_(checkBox(flagsRow_, "禁止平仓", "forbidClose")),
      forceRow_(new QWidget(this)),
      notify_(checkBox(forceRow_, "每", "notify")),
      minutes_(new QSpinBox(forceRow_)),
      forceClose_(checkBox(forceRow_, "强平所有持仓数量的", "forceClose")),
      percent_(new QSpinBox(forceRow_)),
      name_(nameEdit(this)) {
    setWindowTitle(qs(form.caption()));
    kinds_->setObjectName(QStringLiteral("kinds"));
    scope_->setReadOnly(true);
    scope_->setObjectName(QStringLiteral("scope"));
    minutes_->setObjectName(QStringLiteral("notifyMinutes"));
    minutes_->setRange(0, 1440);
    percent_->setObjectName(QStringLiteral("forceClosePercent"));
    percent_->setRange(0, 100);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds_, 1);
    auto* scopeRow = new QHBoxLayout;
    scopeRow->addWidget(scopeLabel_);
    scopeRow->addWidget(scope_, 1);
    scopeRow->addWidget(pickProducts_);
    scopeRow->addWidget(pickExchanges_);
    layout->addLayout(scopeRow);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        auto* row = new QWidget(this);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto* edit = new QLineEdit(row);
        edit->setObjectName(qs("param" + std::to_string(i + 1)));
        edit->setMaxLength(11);
        rowLayout->addWidget(new QLabel(qs("参数" + std::to_string(i + 1) + ":"), row));
        rowLayout->addWidget(edit);
        grid->addWidget(row, i / 3, i % 3);
        parameterRows_[static_cast<std::size_t>(i)] = row;
        parameters_[static_cast<std::size_t>(i)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this] { redrawKinds(); });
    }
    layout->addLayout(grid);
    auto* window = new QHBoxLayout(windowRow_);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(new QLabel(QStringLiteral("生效时间: 从"), windowRow_));
    window->addWidget(start_);
    window->addWidget(new QLabel(QStringLiteral("到"), windowRow_));
    window->addWidget(end_);
    window->addWidget(new QLabel(QStringLiteral("（起止均为0时表示全天有效）"), windowRow_));
    window->addStretch();
    layout->addWidget(windowRow_);
    auto* flags = new QHBoxLayout(flagsRow_);
    flags->setContentsMargins(0, 0, 0, 0);
    flags->addWidget(forbidOpen_);
    flags->addWidget(forbidClose_);
    flags->addStretch();
    layout->addWidget(flagsRow_);
    auto* force = new QHBoxLayout(forceRow_);
    force->setContentsMargins(0, 0, 0, 0);
    force->addWidget(notify_);
    force->addWidget(minutes_);
    force->addWidget(new QLabel(QStringLiteral("分钟发送风险通知"), forceRow_));
    force->addSpacing(16);
    force->addWidget(forceClose_);
    force->addWidget(percent_);
    force->addWidget(new QLabel(QStringLiteral("%"), forceRow_));
    force->addStretch();
    layout->addWidget(forceRow_);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("名称(可不填):"), name_);
    layout->addLayout(fields);
    layout->addWidget(noteLabel(this, form.note));
    addOkCancelButtons(this, layout);

    connect(kinds_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (drawing_) return;
        form_.selectedKind = row;
        showControls();
    });
    for (QTimeEdit* edit : {start_, end_})
        connect(edit, &QTimeEdit::timeChanged, this, [this] { redrawKinds(); });
    connect(pickProducts_, &QPushButton::clicked, this, [this] { pickScope(); });
    connect(pickExchanges_, &QPushButton::clicked, this, [this] { pickScope(); });
    resize(620, 520);
}

void GenericRuleDialog::readForm() {
    drawing_ = true;
    kinds_->clear();
    for (const RuleKindChoice& choice : form_.kinds) kinds_->addItem(qs(choice.text));
    kinds_->setCurrentRow(form_.selectedKind);
    scope_->setText(qs(form_.scope));
    for (std::size_t i = 0; i < 6; ++i) parameters_[i]->setText(qs(form_.parameters[i]));
    start_->setTime(timeOf(form_.windowStart));
    end_->setTime(timeOf(form_.windowEnd));
    forbidOpen_->setChecked(form_.forbidOpen);
    forbidClose_->setChecked(form_.forbidClose);
    notify_->setChecked(form_.notify);
    minutes_->setValue(form_.notifyMinutes);
    forceClose_->setChecked(form_.forceClose);
    percent_->setValue(form_.forceClosePercent);
    name_->setText(qs(form_.name));
    drawing_ = false;
    showControls();
}

void GenericRuleDialog::writeForm() {
    form_.selectedKind = kinds_->currentRow();
    for (std::size_t i = 0; i < 6; ++i) form_.parameters[i] = parameters_[i]->text().toStdString();
    form_.windowStart = valueOf(start_->time());
    form_.windowEnd = valueOf(end_->time());
    form_.forbidOpen = forbidOpen_->isChecked();
    form_.forbidClose = forbidClose_->isChecked();
    form_.notify = notify_->isChecked();
    form_.notifyMinutes = minutes_->value();
    form_.forceClose = forceClose_->isChecked();
    form_.forceClosePercent = percent_->value();
    form_.name = name_->text().toStdString();
}

void GenericRuleDialog::showControls() {
    const RuleControls c = controlsOf(form_);
    flagsRow_->setVisible(c.flags);
    forceRow_->setVisible(c.forceClose);
    scopeLabel_->setText(c.products ? QStringLiteral("品种:") : QStringLiteral("交易所:"));
    const bool scoped = c.products || c.exchanges;
    scopeLabel_->setVisible(scoped);
    scope_->setVisible(scoped);
    pickProducts_->setVisible(c.products);
    pickExchanges_->setVisible(!c.products && c.exchanges);
    for (std::size_t i = 0; i < 6; ++i) parameterRows_[i]->setVisible(c.parameters[i]);
    windowRow_->setVisible(c.window);
}

void GenericRuleDialog::redrawKinds() {
    if (drawing_) return;
    writeForm();
    refreshKindTexts(form_);
    drawing_ = true;
    for (int i = 0; i < kinds_->count() && i < static_cast<int>(form_.kinds.size()); ++i)
        kinds_->item(i)->setText(qs(form_.kinds[static_cast<std::size_t>(i)].text));
    drawing_ = false;
}

void GenericRuleDialog::pickScope() {
    if (form_.port == nullptr) return;
    writeForm();
    FrontEndPort& port = *form_.port;
    bool accepted = false;
    std::string scope;
    if (controlsOf(form_).products) {
        ProductPickerForm picker = makeProductPicker(form_);
        ProductPickerDialog dialog(picker, this);
        dialog.setValidator(
            [&port, &picker](Form&) { return validateProductPicker(port, picker); });
        accepted = dialog.run();
        scope = picker.scope;
    } else {
        ExchangePickerForm picker = makeExchangePicker(form_);
        ExchangePickerDialog dialog(picker, this);
        dialog.setValidator(
            [&port, &picker](Form&) { return validateExchangePicker(port, picker); });
        accepted = dialog.run();
        scope = picker.scope;
    }
    if (!accepted) return;
    applyScope(form_, scope);
    scope_->setText(qs(form_.scope));
    redrawKinds();
}

// --- the pickers ---

ProductPickerDialog::ProductPickerDialog(ProductPickerForm& form, QWidget* parent)
    : FormDialog(form, parent), form_(form), products_(new ProductLists(form.exchanges, this)) {
    setWindowTitle(QStringLiteral("选择品种"));
    products_->setObjectName(QStringLiteral("products"));
    auto* current = new QPushButton(QStringLiteral("全选当前交易所"), this);
    auto* all = new QPushButton(QStringLiteral("全选所有交易所"), this);
    auto* none = new QPushButton(QStringLiteral("清空"), this);
    connect(current, &QPushButton::clicked, this, [this] { products_->shownList()->selectAll(); });
    connect(all, &QPushButton::clicked, this, [this] {
        for (QListWidget* list : products_->lists()) list->selectAll();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        for (QListWidget* list : products_->lists()) list->clearSelection();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(products_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(current);
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    layout->addLayout(buttons);
    addOkCancelButtons(this, layout);
    resize(460, 380);
}

void ProductPickerDialog::readForm() {
    products_->select(form_.selected);
}

void ProductPickerDialog::writeForm() {
    form_.selected = products_->selected();
}

ExchangePickerDialog::ExchangePickerDialog(ExchangePickerForm& form, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    setWindowTitle(QStringLiteral("选择交易所"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(QString::fromUtf8(exchangePickerCaptions()[i]), this);
        row->addWidget(boxes_[i]);
    }
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("注: 可多选"), this));
    addOkCancelButtons(this, layout);
}

void ExchangePickerDialog::readForm() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(form_.ticked[i]);
}

void ExchangePickerDialog::writeForm() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) form_.ticked[i] = boxes_[i]->isChecked();
}

// --- the assignment dialog ---

namespace {

// What the dialog edits: "子账号: 100102", "主账号: 8001", "组: 华东投资部 (0101)".
QString targetLine(const RuleAssignmentForm& form) {
    if (form.assignment == nullptr) return {};
    const RuleTarget& target = form.assignment->target;
    const QString code = qs(target.code);
    switch (target.kind) {
        case RuleTargetKind::SubAccount:
            return QStringLiteral("子账号: ") + code;
        case RuleTargetKind::MainAccount:
            return QStringLiteral("主账号: ") + code;
        case RuleTargetKind::Group:
            break;
    }
    if (form.desk != nullptr) {
        const auto& groups = form.desk->reference().groups;
        for (int i = 0; i < groups.count(); ++i)
            if (groups.at(i).groupCode == target.code)
                return QStringLiteral("组: %1 (%2)").arg(qs(groups.at(i).name), code);
    }
    return QStringLiteral("组: ") + code;
}

}  // namespace

RuleAssignmentDialog::RuleAssignmentDialog(RuleAssignmentForm& form, QWidget* parent)
    : CoreCallDialog(parent),
      form_(form),
      categories_(new QTreeWidget(this)),
      available_(new QListWidget(this)),
      loaded_(new QListWidget(this)) {
    setWindowTitle(qs(form.caption));
    categories_->setHeaderHidden(true);
    categories_->setObjectName(QStringLiteral("categories"));
    QTreeWidgetItem* root = nullptr;
    for (const CategoryNode& node : categoryNodes()) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromUtf8(node.caption)});
        item->setData(0, Qt::UserRole, node.category);
        if (root == nullptr) {
            categories_->addTopLevelItem(item);
            root = item;
        } else {
            root->addChild(item);
        }
    }
    categories_->expandAll();
    categories_->setCurrentItem(root);
    categories_->setFixedWidth(130);
    for (QListWidget* list : {available_, loaded_})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    available_->setObjectName(QStringLiteral("available"));
    loaded_->setObjectName(QStringLiteral("loaded"));

    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* loadButton = button("加载 ->", "load");
    QPushButton* unloadButton = button("<- 卸载", "unload");
    QPushButton* up = button("上移", "up");
    QPushButton* down = button("下移", "down");
    QPushButton* add = button("新建", "add");
    QPushButton* modify = button("修改", "modify");
    QPushButton* remove = button("删除", "delete");
    QPushButton* ok = button("确定", "ok");

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* b : {loadButton, unloadButton, up, down}) middle->addWidget(b);
    middle->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("可选风控规则"), this));
    left->addWidget(available_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("已选风控规则"), this));
    right->addWidget(loaded_, 1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(categories_);
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {add, modify, remove}) bottom->addWidget(b);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* target = new QLabel(targetLine(form), this);
    target->setObjectName(QStringLiteral("target"));
    target->setTextFormat(Qt::PlainText);
    // Rule summaries are long: the lists get room for them.
    for (QListWidget* list : {available_, loaded_}) list->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(target);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    resize(980, 520);

    connect(categories_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr) return;
        form_.node = item->data(0, Qt::UserRole).toInt();
        redraw();
    });
    connect(loadButton, &QPushButton::clicked, this, [this] { load(); });
    connect(unloadButton, &QPushButton::clicked, this, [this] { unload(); });
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { load(); });
    connect(loaded_, &QListWidget::itemDoubleClicked, this, [this] { unload(); });
    connect(up, &QPushButton::clicked, this, [this] { move(true); });
    connect(down, &QPushButton::clicked, this, [this] { move(false); });
    connect(add, &QPushButton::clicked, this, [this] {
        call([this] { addRuleInAssignment(form_); });
        redraw();
    });
    connect(modify, &QPushButton::clicked, this, [this] {
        const std::vector<int32_t> ids = selectedIds(available_);
        call([this, &ids] { modifyRuleInAssignment(form_, ids); });
        redraw();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const std::vector<int32_t> ids = selectedIds(available_);
        call([this, &ids] { deleteRulesInAssignment(form_, ids); });
        redraw();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 520);
}

bool RuleAssignmentDialog::run() {
    redraw();
    execPassingFailure();
    return true;
}

std::vector<int32_t> RuleAssignmentDialog::selectedIds(QListWidget* list) const {
    std::vector<int32_t> ids;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) ids.push_back(list->item(i)->data(Qt::UserRole).toInt());
    return ids;
}

void RuleAssignmentDialog::load() {
    const std::vector<int32_t> ids = selectedIds(available_);
    call([this, &ids] { loadSelectedRules(*form_.desk, *form_.assignment, ids); });
    available_->clearSelection();
    redraw();
}

void RuleAssignmentDialog::unload() {
    const std::vector<int32_t> ids = selectedIds(loaded_);
    call([this, &ids] { unloadSelectedRules(*form_.desk, *form_.assignment, ids); });
    redraw();
}

void RuleAssignmentDialog::move(bool up) {
    std::vector<int32_t> ids = selectedIds(loaded_);
    call([this, &ids, up] { moveSelectedRule(*form_.desk, *form_.assignment, ids, up); });
    redraw();
    loaded_->clearSelection();
}

void RuleAssignmentDialog::redraw() {
    const std::vector<int32_t> keep = selectedIds(available_);
    available_->clear();
    for (const RiskRule& rule : availableRules(form_)) {
        auto* item = new QListWidgetItem(qs(rule.summary), available_);
        item->setData(Qt::UserRole, rule.id);
        item->setSelected(std::find(keep.begin(), keep.end(), rule.id) != keep.end());
    }
    loaded_->clear();
    for (const AssignedRule& entry : form_.assignment->loaded) {
        auto* item = new QListWidgetItem(qs(entry.rule.summary), loaded_);
        item->setData(Qt::UserRole, entry.id);
    }
}

}  // namespace korvant::gui
