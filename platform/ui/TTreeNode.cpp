#include "platform/ui/TTreeNode.h"

#include "platform/ui/TImageList.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"

#include <QTreeWidget>

TTreeNode::TTreeNode(TTreeView* treeView, QTreeWidgetItem* item) : m_treeView(treeView), m_item(item) {}

QString TTreeNode::Text() const {
    return m_item->text(0);
}
void TTreeNode::SetText(const QString& text) {
    m_item->setText(0, text);
}

int TTreeNode::Level() const {
    int level = 0;
    for (const QTreeWidgetItem* p = m_item->parent(); p; p = p->parent())
        ++level;
    return level;
}

TTreeNode* TTreeNode::Parent() const {
    return m_treeView->Items().NodeOf(m_item->parent());
}

int TTreeNode::Index() const {
    if (m_item->parent())
        return m_item->parent()->indexOfChild(m_item);
    return m_treeView->Tree()->indexOfTopLevelItem(m_item);
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (TTreeNode* node = m_treeView->Items().GetFirstNode(); node; node = node->GetNext(), ++index)
        if (node == this)
            return index;
    return -1;
}

int TTreeNode::Count() const {
    return m_item->childCount();
}

TTreeNode* TTreeNode::Item(int index) const {
    return m_treeView->Items().NodeOf(m_item->child(index));
}

TTreeNode* TTreeNode::getFirstChild() const {
    return Count() > 0 ? Item(0) : nullptr;
}
TTreeNode* TTreeNode::GetLastChild() const {
    return Count() > 0 ? Item(Count() - 1) : nullptr;
}

TTreeNode* TTreeNode::getNextSibling() const {
    const int next = Index() + 1;
    if (m_item->parent())
        return m_treeView->Items().NodeOf(m_item->parent()->child(next));
    return m_treeView->Items().NodeOf(m_treeView->Tree()->topLevelItem(next));
}

TTreeNode* TTreeNode::getPrevSibling() const {
    const int prior = Index() - 1;
    if (prior < 0)
        return nullptr;
    if (m_item->parent())
        return m_treeView->Items().NodeOf(m_item->parent()->child(prior));
    return m_treeView->Items().NodeOf(m_treeView->Tree()->topLevelItem(prior));
}

TTreeNode* TTreeNode::GetNext() const {
    if (TTreeNode* child = getFirstChild())
        return child;
    for (const TTreeNode* node = this; node; node = node->Parent())
        if (TTreeNode* sibling = node->getNextSibling())
            return sibling;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
    TTreeNode* node = getPrevSibling();
    if (!node)
        return Parent();
    while (TTreeNode* last = node->GetLastChild())
        node = last;
    return node;
}

bool TTreeNode::Expanded() const {
    return m_item->isExpanded();
}
void TTreeNode::SetExpanded(bool expanded) {
    m_treeView->RequestExpanded(this, expanded);
}

void TTreeNode::Expand(bool recurse) {
    SetExpanded(true);
    if (recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    SetExpanded(false);
    if (recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Collapse(true);
}

bool TTreeNode::Selected() const {
    return m_treeView->Selected() == this;
}

void TTreeNode::SetSelected(bool selected) {
    if (selected)
        m_treeView->SetSelected(this);
    else if (Selected())
        m_treeView->SetSelected(nullptr);
}

void TTreeNode::SetImageIndex(int index) {
    m_imageIndex = index;
    TImageList* images = m_treeView->Images();
    m_item->setIcon(0, images ? images->GetIcon(index) : QIcon());
}
