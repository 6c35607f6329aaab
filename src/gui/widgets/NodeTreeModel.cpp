#include "gui/widgets/NodeTreeModel.h"

namespace korvant::gui {

int NodeTreeModel::Builder::add(int parent, std::string text, int64_t data) {
    int index = static_cast<int>(nodes_.size());
    Node node;
    node.text = std::move(text);
    node.data = data;
    node.parent = parent;
    auto& siblings = parent < 0 ? top_ : nodes_[static_cast<std::size_t>(parent)].children;
    node.row = static_cast<int>(siblings.size());
    siblings.push_back(index);
    nodes_.push_back(std::move(node));
    return index;
}

NodeTreeModel::NodeTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void NodeTreeModel::reset(Builder&& builder) {
    beginResetModel();
    nodes_ = std::move(builder.nodes_);
    top_ = std::move(builder.top_);
    endResetModel();
}

void NodeTreeModel::clear() {
    reset(Builder{});
}

int NodeTreeModel::nodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return -1;
    return static_cast<int>(index.internalId());
}

QModelIndex NodeTreeModel::indexOfNode(int node) const {
    if (node < 0 || node >= nodeCount()) return {};
    return createIndex(nodes_[static_cast<std::size_t>(node)].row, 0, static_cast<quintptr>(node));
}

QModelIndex NodeTreeModel::findText(const QString& shown) const {
    const std::string text = shown.toStdString();
    // Nodes are stored parents first, in insertion order; a depth-first walk
    // keeps the order the user sees.
    std::vector<int> stack(top_.rbegin(), top_.rend());
    while (!stack.empty()) {
        int current = stack.back();
        stack.pop_back();
        const Node& n = nodes_[static_cast<std::size_t>(current)];
        if (n.text == text) return indexOfNode(current);
        stack.insert(stack.end(), n.children.rbegin(), n.children.rend());
    }
    return {};
}

std::vector<QModelIndex> NodeTreeModel::childrenOfTopLevel() const {
    std::vector<QModelIndex> result;
    for (int top : top_)
        for (int child : nodes_[static_cast<std::size_t>(top)].children)
            result.push_back(indexOfNode(child));
    return result;
}

QModelIndex NodeTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const std::vector<int>* siblings = &top_;
    if (parent.isValid()) {
        int p = nodeOf(parent);
        if (p < 0) return {};
        siblings = &nodes_[static_cast<std::size_t>(p)].children;
    }
    if (row >= static_cast<int>(siblings->size())) return {};
    return createIndex(row, 0, static_cast<quintptr>((*siblings)[static_cast<std::size_t>(row)]));
}

QModelIndex NodeTreeModel::parent(const QModelIndex& child) const {
    int node = nodeOf(child);
    if (node < 0) return {};
    return indexOfNode(nodes_[static_cast<std::size_t>(node)].parent);
}

int NodeTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(top_.size());
    if (parent.column() != 0) return 0;
    int node = nodeOf(parent);
    return node < 0 ? 0 : static_cast<int>(nodes_[static_cast<std::size_t>(node)].children.size());
}

int NodeTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant NodeTreeModel::data(const QModelIndex& index, int role) const {
    int node = nodeOf(index);
    if (node < 0) return {};
    const Node& n = nodes_[static_cast<std::size_t>(node)];
    // A name cut by a narrow panel is read whole in its tooltip.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return QString::fromStdString(n.text);
    if (role == NodeDataRole) return QVariant::fromValue<qlonglong>(n.data);
    return {};
}

}  // namespace korvant::gui
