#pragma once
// One button of a toolbar: an item of the toolbar's button collection that
// owns a flat speed button placed on the toolbar. Caption, OffSet (extra gap
// before the button), Visible and ImageIndex are kept by the item; the rest
// are the speed button's own. Linked to an action, the item follows the
// action's caption, image, visibility, enabled state and hint, and a click
// runs the action before the toolbar's OnButtonClick.

#include "platform/base/TObject.h"
#include "platform/ui/UiTypes.h"

#include <QString>
#include <memory>

class TAction;
class TCustomVCLToolbar;
class TSpeedButton;
class TVCLTbBtns;
class TVCLToolbarActionLink;

class TVCLTbButton : public TObject {
public:
    // Raises Exception "Coleção deve ser da classe TVCLTbBtns" without a collection.
    explicit TVCLTbButton(TVCLTbBtns* collection);
    ~TVCLTbButton() override;

    TVCLTbBtns* Collection() const { return m_collection; }
    TCustomVCLToolbar* Toolbar() const;
    TSpeedButton* SpeedButton() const { return m_button; }

    TAction* Action() const;
    void SetAction(TAction* action);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int OffSet() const { return m_offSet; }
    void SetOffSet(int offSet);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    int Index() const;
    void SetIndex(int index);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    QString Hint() const;
    void SetHint(const QString& hint);
    bool AllowAllUp() const;
    void SetAllowAllUp(bool allow);
    bool Down() const;
    void SetDown(bool down);
    int GroupIndex() const;
    void SetGroupIndex(int index);
    int Margin() const;
    void SetMargin(int margin);
    int Spacing() const;
    void SetSpacing(int spacing);
    int Tag() const;
    void SetTag(int tag);
    TCursor Cursor() const;
    void SetCursor(TCursor cursor);

    // The name a list of the items shows: the action's caption or name, else
    // the caption, else "TVCLTbButton" and the index.
    QString GetDisplayName() const;
    // Copies this item's settings into `destination`.
    void AssignTo(TVCLTbButton& destination) const;

    // Draws the glyph from the toolbar's images again.
    void RenderGlyph();

private:
    friend class TVCLToolbarActionLink;
    void ActionChange(TAction& action);
    void ButtonClick();

    TVCLTbBtns* m_collection;
    TSpeedButton* m_button;
    std::unique_ptr<TVCLToolbarActionLink> m_link;
    int m_imageIndex = -1;
    int m_offSet = 0;
    QString m_caption;
    bool m_visible = true;
};
