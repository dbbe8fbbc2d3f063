#pragma once
// A tree of nodes. Changing the selection asks OnChanging, and expanding or
// collapsing a node asks OnExpanding or OnCollapsing, before anything
// changes, whoever asked for the change (a click, a key, the program);
// a handler can refuse (an exception refuses too), and the tree then stays
// as it was. OnChange follows a new selection after ChangeDelay
// milliseconds (at once for 0); a later selection within the delay restarts
// it, so stepping quickly over nodes reports only where the user stopped.

#include "platform/ui/TWinControl.h"

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;
class TImageList;
class TTreeNode;
class TTreeNodes;

using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandedEvent = TEvent<TObject*, TTreeNode*>;

class TTreeView : public TWinControl {
    Q_OBJECT
public:
    TTreeView(TComponent* owner, TWinControl* parent = nullptr);
    ~TTreeView() override;

    TTreeNodes& Items() const { return *m_items; }
    TTreeNode* Selected() const;
    // Expands the node's parents, then selects it (subject to OnChanging).
    void SetSelected(TTreeNode* node);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void SetIndent(int indent);
    // The whole row is highlighted, not only the text.
    void SetRowSelect(bool rowSelect);
    // False: the selection stays visible when the tree has not the focus.
    void SetHideSelection(bool hide);
    void SetChangeDelay(int milliseconds) { m_changeDelay = milliseconds; }
    // Runs a delayed OnChange now, if one is waiting.
    void FlushChange();

    TTVChangingEvent OnChanging;
    TTVChangedEvent OnChange;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;

    QTreeWidget* Tree() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TTreeNode;
    friend class TreeSelectionGate;
    // Expands or collapses after asking; false when refused.
    bool RequestExpanded(TTreeNode* node, bool expanded);
    // Whether the selection may move to the node (asks OnChanging).
    bool AllowChange(TTreeNode* node);
    void CurrentChanged(QTreeWidgetItem* current);
    void ItemExpanded(QTreeWidgetItem* item, bool expanded);
    bool Ask(const TTVChangingEvent& event, TTreeNode* node);
    bool HandleMouse(QObject* watched, QEvent* event);
    bool HandleKey(QEvent* event);

    std::unique_ptr<TTreeNodes> m_items;
    TImageList* m_images = nullptr;
    class QTimer* m_changeTimer = nullptr;
    TTreeNode* m_pendingChange = nullptr;
    bool m_readOnly = false;
    int m_changeDelay = 0;
};
