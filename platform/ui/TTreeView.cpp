#include "platform/ui/TTreeView.h"

#include "platform/ui/TImageList.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"

#include <QHeaderView>
#include <QTreeWidget>

TTreeView::TTreeView(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QTreeWidget), m_items(std::make_unique<TTreeNodes>(this)) {
    Tree()->setHeaderHidden(true);
    Tree()->setColumnCount(1);
    WatchWidget(Tree()->viewport());
    connect(Tree(), &QTreeWidget::currentItemChanged, this, &TTreeView::CurrentChanged);
    connect(Tree(), &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { ItemExpanded(item, true); });
    connect(Tree(), &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { ItemExpanded(item, false); });
    SetBounds(0, 0, 121, 97);
    SetParent(parent);
}

TTreeView::~TTreeView() {
    if (Tree())
        QObject::disconnect(Tree(), nullptr, this, nullptr);
}

QTreeWidget* TTreeView::Tree() const {
    return static_cast<QTreeWidget*>(Widget());
}

TTreeNode* TTreeView::Selected() const {
    return m_items->NodeOf(Tree()->currentItem());
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (!node) {
        Tree()->setCurrentItem(nullptr);
        return;
    }
    for (TTreeNode* p = node->Parent(); p; p = p->Parent())
        if (!p->Expanded())
            p->SetExpanded(true);
    Tree()->setCurrentItem(node->Item());
}

void TTreeView::SetImages(TImageList* images) {
    if (m_images)
        RemoveFreeNotification(m_images);
    m_images = images;
    if (images)
        FreeNotification(images);
    for (TTreeNode* node = m_items->GetFirstNode(); node; node = node->GetNext())
        node->SetImageIndex(node->ImageIndex());
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        SetImages(nullptr);
}

int TTreeView::Indent() const {
    return Tree()->indentation();
}
void TTreeView::SetIndent(int indent) {
    Tree()->setIndentation(indent);
}

bool TTreeView::Ask(const TTVChangingEvent& event, TTreeNode* node) {
    bool allow = true;
    if (!Safe([&] { event(this, node, allow); }))
        allow = false;
    return allow;
}

void TTreeView::CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (m_reverting)
        return;
    TTreeNode* node = m_items->NodeOf(current);
    if (!Ask(OnChanging, node)) {
        m_reverting = true;
        Tree()->setCurrentItem(previous);
        m_reverting = false;
        return;
    }
    Safe([&] { OnChange(this, node); });
}

void TTreeView::ItemExpanded(QTreeWidgetItem* item, bool expanded) {
    if (m_reverting)
        return;
    TTreeNode* node = m_items->NodeOf(item);
    if (!Ask(expanded ? OnExpanding : OnCollapsing, node)) {
        m_reverting = true;
        item->setExpanded(!expanded);
        m_reverting = false;
        return;
    }
    Safe([&] { (expanded ? OnExpanded : OnCollapsed)(this, node); });
}
