#pragma once
// A tree of nodes. Changing the selection asks OnChanging and expanding a
// node asks OnExpanding; either handler can refuse (an exception refuses
// too), and the tree then stays as it was.

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
    int Indent() const;
    void SetIndent(int indent);

    TTVChangingEvent OnChanging;
    TTVChangedEvent OnChange;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;

    QTreeWidget* Tree() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTreeNode;
    void CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void ItemExpanded(QTreeWidgetItem* item, bool expanded);
    bool Ask(const TTVChangingEvent& event, TTreeNode* node);

    std::unique_ptr<TTreeNodes> m_items;
    TImageList* m_images = nullptr;
    bool m_readOnly = false;
    bool m_reverting = false;
};
