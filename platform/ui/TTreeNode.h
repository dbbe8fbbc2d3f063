#pragma once
// One node of a tree view: its text, level, parent, siblings and children,
// expanded state, image indexes and a pointer of the caller's.

#include <QString>

class QTreeWidgetItem;
class TTreeView;

class TTreeNode {
public:
    TTreeNode(TTreeView* treeView, QTreeWidgetItem* item);
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    QTreeWidgetItem* Item() const { return m_item; }

    QString Text() const;
    void SetText(const QString& text);
    int Level() const;
    TTreeNode* Parent() const;
    // Position among its siblings.
    int Index() const;
    // Position in the whole tree, in tree order.
    int AbsoluteIndex() const;
    int Count() const;
    bool HasChildren() const { return Count() > 0; }
    TTreeNode* Item(int index) const;
    TTreeNode* getFirstChild() const;
    TTreeNode* GetLastChild() const;
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    // The next and previous node in tree order (depth first).
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;

    bool Expanded() const;
    void SetExpanded(bool expanded);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool selected);

    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int index) { m_selectedIndex = index; }
    void* Data() const { return m_data; }
    void SetData(void* data) { m_data = data; }

private:
    TTreeView* m_treeView;
    QTreeWidgetItem* m_item;
    int m_imageIndex = -1;
    int m_selectedIndex = -1;
    void* m_data = nullptr;
};
