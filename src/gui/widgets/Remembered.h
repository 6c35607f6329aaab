#pragma once

#include <QFileDialog>
#include <QString>

#include <cstdint>

class QTableView;
class QWidget;

// What the desk remembers between its starts, as far as widgets outside the
// main window reach it: the lists' columns and the folders of the file
// dialogs. The main window holds the store (DeskState.ini) and hands it here
// for as long as it lives; without one (a dialog tested alone) nothing is
// remembered and the dialogs open where Qt opens them.
namespace korvant::gui {

class RememberedValues {
public:
    virtual ~RememberedValues() = default;
    // Empty when nothing is remembered under `key`.
    virtual QString value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
};

void setRememberedValues(RememberedValues* values);
RememberedValues* rememberedValues();

// A page whose own fields the desk remembers (the statement's period, dates
// and style): the main window hands it the store once every page is in
// place, and again when it writes the store. `today` is yyyymmdd (dates are
// kept as days back from it).
class RememberedFields {
public:
    virtual ~RememberedFields() = default;
    virtual void recallFields(const RememberedValues& values, int32_t today) = 0;
    virtual void rememberFields(RememberedValues& values, int32_t today) const = 0;
};

// The list remembers its columns under `name` ("subAccounts", "trades" …):
// their remembered widths, order, hidden columns and sort indicator are put
// back now, and the list's state is stored when its window hides and by
// storeListLayouts.
void rememberListLayout(QTableView& table, const QString& name);
// Marks a list of a page to remember its columns under `name` once the main
// window restores what it remembers (rememberMarkedLists).
void markRememberedList(QTableView& table, const QString& name);
// rememberListLayout for every marked list below `root`.
void rememberMarkedLists(QWidget& root);
// The name a list remembers its columns under; empty for a list that does
// not remember them.
QString rememberedListName(const QTableView& table);
// Every list that remembers its columns and is still there: into the store.
void storeListLayouts();
// Every such list back to its built-in columns.
void resetListLayouts();
// The keys of a list's remembered header ("list.NAME.header").
QString listHeaderKey(const QString& name);

// File dialogs that open in the folder last chosen for the same kind of file
// ("funds.save", "feeRates.open", "statement.batch" …), and remember the
// folder of what was chosen. `suggested` may be a bare file name (opened in
// the remembered folder) or a path (kept as it is). `selected` receives the
// filter the user chose, where given.
QString chooseSaveFileName(QWidget* parent, const QString& kind, const QString& caption,
                           const QString& suggested, const QString& filter,
                           QFileDialog::Options options = {}, QString* selected = nullptr);
QString chooseOpenFileName(QWidget* parent, const QString& kind, const QString& caption,
                           const QString& filter);
QString chooseFolderName(QWidget* parent, const QString& kind, const QString& caption,
                         const QString& current);
// The remembered folder of a kind (empty when none), and its key
// ("folder.KIND").
QString rememberedFolder(const QString& kind);
QString folderKey(const QString& kind);

}  // namespace korvant::gui
