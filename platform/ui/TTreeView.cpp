#include "platform/ui/TTreeView.h"

#include "platform/ui/TImageList.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

namespace {

// The widget, with the item of a model index within reach.
class TreeWidget : public QTreeWidget {
public:
    using QTreeWidget::indexFromItem;
    using QTreeWidget::itemFromIndex;
};

} // namespace

// Stands between the tree widget and its current node: a new current node
// is taken only after the tree view allowed it, and a click whose change was
// refused selects nothing either.
class TreeSelectionGate : public QItemSelectionModel {
public:
    TreeSelectionGate(QAbstractItemModel* model, TTreeView* tree)
        : QItemSelectionModel(model, tree->Tree()), m_tree(tree) {}

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
        if (index.siblingAtColumn(0) != currentIndex().siblingAtColumn(0)) {
            auto* widget = static_cast<TreeWidget*>(m_tree->Tree());
            if (!m_tree->AllowChange(m_tree->Items().NodeOf(widget->itemFromIndex(index))))
                return;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
    }

    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override {
        if (command.testFlag(QItemSelectionModel::Select) && !selection.isEmpty() &&
            selection.indexes().constFirst().siblingAtColumn(0) != currentIndex().siblingAtColumn(0))
            return;
        QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    TTreeView* m_tree;
};

TTreeView::TTreeView(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new TreeWidget), m_items(std::make_unique<TTreeNodes>(this)) {
    Tree()->setHeaderHidden(true);
    Tree()->setColumnCount(1);
    // Every expansion goes through RequestExpanded, which asks first.
    Tree()->setItemsExpandable(false);
    Tree()->setExpandsOnDoubleClick(false);
    QItemSelectionModel* original = Tree()->selectionModel();
    Tree()->setSelectionModel(new TreeSelectionGate(Tree()->model(), this));
    delete original;
    m_changeTimer = new QTimer(this);
    m_changeTimer->setSingleShot(true);
    connect(m_changeTimer, &QTimer::timeout, this, &TTreeView::FlushChange);
    WatchWidget(Tree()->viewport());
    connect(Tree()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                CurrentChanged(static_cast<TreeWidget*>(Tree())->itemFromIndex(current));
            });
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
    std::vector<TTreeNode*> parents;
    for (TTreeNode* p = node->Parent(); p; p = p->Parent())
        parents.insert(parents.begin(), p);
    for (TTreeNode* p : parents)
        if (!RequestExpanded(p, true))
            return;
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

void TTreeView::SetIndent(int indent) {
    Tree()->setIndentation(indent);
}

void TTreeView::SetRowSelect(bool rowSelect) {
    Tree()->setAllColumnsShowFocus(rowSelect);
    Tree()->setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void TTreeView::SetHideSelection(bool hide) {
    QPalette palette = Tree()->palette();
    const QPalette standard = Tree()->style()->standardPalette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role,
                         hide ? standard.color(QPalette::Inactive, role)
                              : palette.color(QPalette::Active, role));
    Tree()->setPalette(palette);
}

bool TTreeView::Ask(const TTVChangingEvent& event, TTreeNode* node) {
    bool allow = true;
    if (!Safe([&] { event(this, node, allow); }))
        allow = false;
    return allow;
}

bool TTreeView::AllowChange(TTreeNode* node) {
    return Ask(OnChanging, node);
}

bool TTreeView::RequestExpanded(TTreeNode* node, bool expanded) {
    if (!node || node->Item()->isExpanded() == expanded)
        return true;
    if (!Ask(expanded ? OnExpanding : OnCollapsing, node))
        return false;
    node->Item()->setExpanded(expanded);
    return true;
}

void TTreeView::CurrentChanged(QTreeWidgetItem* current) {
    m_pendingChange = m_items->NodeOf(current);
    if (m_changeDelay <= 0)
        FlushChange();
    else
        m_changeTimer->start(m_changeDelay);
}

void TTreeView::FlushChange() {
    m_changeTimer->stop();
    // The node may have gone while the change waited.
    TTreeNode* node = m_pendingChange ? m_items->NodeOf(m_pendingChange->Item()) : nullptr;
    m_pendingChange = nullptr;
    if (node || !Tree()->currentItem())
        Safe([&] { OnChange(this, node); });
}

void TTreeView::ItemExpanded(QTreeWidgetItem* item, bool expanded) {
    TTreeNode* node = m_items->NodeOf(item);
    Safe([&] { (expanded ? OnExpanded : OnCollapsed)(this, node); });
}

bool TTreeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Tree()->viewport() && HandleMouse(watched, event))
        return true;
    if (watched == Tree() && event->type() == QEvent::KeyPress)
        return TWinControl::eventFilter(watched, event) || HandleKey(event);
    return TWinControl::eventFilter(watched, event);
}

// A click on a node's expansion mark, or a double click on a node with
// children, expands or collapses it.
bool TTreeView::HandleMouse(QObject*, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!press && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    QTreeWidgetItem* item = Tree()->itemAt(mouse->position().toPoint());
    TTreeNode* node = m_items->NodeOf(item);
    if (!node || !node->HasChildren())
        return false;
    const QRect rect = Tree()->visualItemRect(item);
    const int x = mouse->position().toPoint().x();
    const bool onMark = x < rect.left() && x >= rect.left() - Tree()->indentation();
    if (press && !onMark)
        return false;
    RequestExpanded(node, !node->Expanded());
    return onMark;
}

// Right and + expand, Left and - collapse; Left on a collapsed node goes to
// its parent.
bool TTreeView::HandleKey(QEvent* event) {
    TTreeNode* node = Selected();
    if (!node)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right:
    case Qt::Key_Plus:
        if (node->HasChildren() && !node->Expanded()) {
            RequestExpanded(node, true);
            return true;
        }
        return false;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        if (node->Expanded()) {
            RequestExpanded(node, false);
            return true;
        }
        if (node->Parent() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Left) {
            SetSelected(node->Parent());
            return true;
        }
        return false;
    default:
        return false;
    }
}
