#include "gui/widgets/Remembered.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>

#include <vector>

#include "gui/widgets/ReportTable.h"

namespace korvant::gui {
namespace {

RememberedValues* store = nullptr;

const char* const ListNameProperty = "rememberedList";
const char* const ListMarkProperty = "rememberedListMark";

std::vector<QPointer<QTableView>>& rememberedLists() {
    static std::vector<QPointer<QTableView>> lists;
    return lists;
}

void storeList(QTableView& table) {
    if (store == nullptr) return;
    const QString name = rememberedListName(table);
    if (name.isEmpty()) return;
    store->setValue(listHeaderKey(name),
                    QString::fromLatin1(table.horizontalHeader()->saveState().toBase64()));
}

// A list in a window of its own stores its columns when the window hides.
class StoreOnHide : public QObject {
public:
    StoreOnHide(QTableView* table, QObject* parent) : QObject(parent), table_(table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && table_) storeList(*table_);
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QTableView> table_;
};

QString remembered(const QString& key) {
    return store != nullptr ? store->value(key) : QString();
}

void rememberFolderOf(const QString& kind, const QString& chosen, bool isFolder) {
    if (store == nullptr || chosen.isEmpty()) return;
    const QString folder = isFolder ? chosen : QFileInfo(chosen).absolutePath();
    store->setValue(folderKey(kind), QDir::cleanPath(folder));
}

// Where a dialog opens: a path as it is, a bare name in the remembered
// folder.
QString startingPoint(const QString& kind, const QString& suggested) {
    const QString folder = rememberedFolder(kind);
    if (folder.isEmpty()) return suggested;
    if (suggested.isEmpty()) return folder;
    if (suggested.contains(QLatin1Char('/'))) return suggested;
    return QDir(folder).filePath(suggested);
}

}  // namespace

void setRememberedValues(RememberedValues* values) {
    store = values;
}

RememberedValues* rememberedValues() {
    return store;
}

QString listHeaderKey(const QString& name) {
    return QStringLiteral("list.%1.header").arg(name);
}

QString rememberedListName(const QTableView& table) {
    return table.property(ListNameProperty).toString();
}

void rememberListLayout(QTableView& table, const QString& name) {
    const bool first = rememberedListName(table).isEmpty();
    table.setProperty(ListNameProperty, name);
    if (first) {
        auto& lists = rememberedLists();
        std::erase_if(lists, [](const QPointer<QTableView>& list) { return list.isNull(); });
        lists.push_back(&table);
        if (QWidget* window = table.window(); window != nullptr && window != &table)
            window->installEventFilter(new StoreOnHide(&table, &table));
    }
    const QString state = remembered(listHeaderKey(name));
    if (!state.isEmpty()) restoreListHeader(table, QByteArray::fromBase64(state.toLatin1()));
}

void markRememberedList(QTableView& table, const QString& name) {
    table.setProperty(ListMarkProperty, name);
}

void rememberMarkedLists(QWidget& root) {
    for (QTableView* table : root.findChildren<QTableView*>()) {
        const QString name = table->property(ListMarkProperty).toString();
        if (!name.isEmpty()) rememberListLayout(*table, name);
    }
}

void storeListLayouts() {
    auto& lists = rememberedLists();
    std::erase_if(lists, [](const QPointer<QTableView>& list) { return list.isNull(); });
    for (const QPointer<QTableView>& list : lists) storeList(*list);
}

void resetListLayouts() {
    auto& lists = rememberedLists();
    std::erase_if(lists, [](const QPointer<QTableView>& list) { return list.isNull(); });
    for (const QPointer<QTableView>& list : lists) applyBuiltInColumns(*list);
}

QString folderKey(const QString& kind) {
    return QStringLiteral("folder.%1").arg(kind);
}

QString rememberedFolder(const QString& kind) {
    const QString folder = remembered(folderKey(kind));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString chooseSaveFileName(QWidget* parent, const QString& kind, const QString& caption,
                           const QString& suggested, const QString& filter,
                           QFileDialog::Options options, QString* selected) {
    const QString chosen = QFileDialog::getSaveFileName(
        parent, caption, startingPoint(kind, suggested), filter, selected, options);
    rememberFolderOf(kind, chosen, false);
    return chosen;
}

QString chooseOpenFileName(QWidget* parent, const QString& kind, const QString& caption,
                           const QString& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent, caption, rememberedFolder(kind), filter);
    rememberFolderOf(kind, chosen, false);
    return chosen;
}

QString chooseFolderName(QWidget* parent, const QString& kind, const QString& caption,
                         const QString& current) {
    const QString start = current.isEmpty() ? rememberedFolder(kind) : current;
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
    rememberFolderOf(kind, chosen, true);
    return chosen;
}

}  // namespace korvant::gui
