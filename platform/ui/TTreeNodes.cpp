#include "platform/ui/TTreeNodes.h"

#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeView.h"

#include <QTreeWidget>

TTreeNodes::TTreeNodes(TTreeView* treeView) : m_treeView(treeView) {}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const QString& text) {
    return AddChild(sibling ? sibling->Parent() : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const QString& text) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    if (parent)
        parent->Item()->addChild(item);
    else
        m_treeView->Tree()->addTopLevelItem(item);
    m_nodes.push_back(std::make_unique<TTreeNode>(m_treeView, item));
    m_byItem.insert(item, m_nodes.back().get());
    return m_nodes.back().get();
}

void TTreeNodes::Forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i)
        Forget(item->child(i));
    TTreeNode* node = m_byItem.take(item);
    std::erase_if(m_nodes, [node](const std::unique_ptr<TTreeNode>& n) { return n.get() == node; });
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node)
        return;
    QTreeWidgetItem* item = node->Item();
    Forget(item);
    delete item;
}

void TTreeNodes::Clear() {
    m_treeView->Tree()->clear();
    m_byItem.clear();
    m_nodes.clear();
}

TTreeNode* TTreeNodes::Item(int index) const {
    if (index < 0 || index >= Count())
        throw EComponentError(QStringLiteral("Tree node index %1 out of range").arg(index));
    TTreeNode* node = GetFirstNode();
    for (int i = 0; i < index && node; ++i)
        node = node->GetNext();
    return node;
}

TTreeNode* TTreeNodes::GetFirstNode() const {
    return NodeOf(m_treeView->Tree()->topLevelItem(0));
}

TTreeNode* TTreeNodes::NodeOf(const QTreeWidgetItem* item) const {
    return item ? m_byItem.value(item) : nullptr;
}
