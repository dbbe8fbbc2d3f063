#pragma once
// The nodes of a tree view: adding, finding by position in tree order,
// deleting and clearing.

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class QTreeWidgetItem;
class TTreeNode;
class TTreeView;

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* treeView);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // A new last node on the level of sibling (the top level without one).
    TTreeNode* Add(TTreeNode* sibling, const QString& text);
    // A new last child of parent (top level without one).
    TTreeNode* AddChild(TTreeNode* parent, const QString& text);
    void Delete(TTreeNode* node);
    void Clear();

    int Count() const { return static_cast<int>(m_nodes.size()); }
    // The node at an absolute position in tree order.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const;
    TTreeNode* NodeOf(const QTreeWidgetItem* item) const;

private:
    void Forget(QTreeWidgetItem* item);

    TTreeView* m_treeView;
    QHash<const QTreeWidgetItem*, TTreeNode*> m_byItem;
    std::vector<std::unique_ptr<TTreeNode>> m_nodes;
};
