#pragma once

#include <QAbstractItemModel>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace korvant::gui {

// A read-only tree of text nodes, each with one integer of node data (a
// group id, a template id, -1 for an account leaf). The whole tree is built
// beforehand and handed over in one reset, so a tree of tens of thousands of
// nodes costs one model reset, not one view update per node.
class NodeTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int NodeDataRole = Qt::UserRole + 1;

    struct Node {
        std::string text;  // UTF-8, converted when shown: a tree of 50 000 nodes
                           // is built without 50 000 conversions
        int64_t data = 0;
        int parent = -1;  // node index, -1 for a top-level node
        int row = 0;      // position under the parent
        std::vector<int> children;
    };

    // Collects the nodes of a new tree; parents are added before children.
    class Builder {
    public:
        // Returns the new node's index; `parent` is -1 for a top-level node.
        int add(int parent, std::string text, int64_t data);
        void reserve(std::size_t count) { nodes_.reserve(count); }
        std::size_t size() const { return nodes_.size(); }

    private:
        friend class NodeTreeModel;
        std::vector<Node> nodes_;
        std::vector<int> top_;
    };

    explicit NodeTreeModel(QObject* parent = nullptr);

    void reset(Builder&& builder);
    void clear();

    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    const Node& node(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    // Node index behind a model index, -1 for the invalid index.
    int nodeOf(const QModelIndex& index) const;
    QModelIndex indexOfNode(int node) const;
    // First node (depth first) showing `text`; invalid when none does.
    QModelIndex findText(const QString& text) const;
    // Model indexes of the top-level nodes' children (what the toolbar's
    // expand/collapse toggles).
    std::vector<QModelIndex> childrenOfTopLevel() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<Node> nodes_;
    std::vector<int> top_;
};

}  // namespace korvant::gui
