#pragma once
// A panel carrying a row of flat speed buttons, described by the collection
// TbButtons, each optionally linked to an action and drawing its glyph from
// the shared image list Images. The buttons always fill the panel's inner
// height (Height - 2 * BorderWidth); ButtonsWidth is the width the visible
// buttons need, by which the frames size their toolbars. An etched line can
// run along the top and bottom edge (EdgeBorders).
//
// While the toolbar is loading, setters only store their values; Loaded
// applies them, keeping the stored ButtonHeight and ButtonWidth.

#include "components/navigation/TVCLTbBtns.h"
#include "platform/ui/TChangeLink.h"
#include "platform/ui/TWinControl.h"

#include <memory>

class TImageList;
class TVCLTbButton;

enum TEdgeBorder : unsigned { ebTop = 1, ebBottom = 2 };
using TEdgeBorderSet = unsigned;

// (Sender, Button): Sender is the toolbar.
using TButtonClickEvent = TEvent<TObject*, TVCLTbButton*>;

class TCustomVCLToolbar : public TWinControl {
    Q_OBJECT
public:
    TCustomVCLToolbar(TComponent* owner, TWinControl* parent = nullptr);
    ~TCustomVCLToolbar() override;

    TVCLTbBtns& TbButtons() { return *m_buttons; }
    const TVCLTbBtns& TbButtons() const { return *m_buttons; }
    void SetTbButtons(const TVCLTbBtns& buttons) { m_buttons->Assign(buttons); }

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool show);
    bool ShowHints() const { return m_showHints; }
    void SetShowHints(bool show);
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int width);
    TButtonLayout ButtonLayout() const { return m_buttonLayout; }
    void SetButtonLayout(TButtonLayout layout);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    TEdgeBorderSet EdgeBorders() const { return m_edgeBorders; }
    void SetEdgeBorders(TEdgeBorderSet borders);
    // Hides TWinControl's: the panel's height follows.
    void SetBorderWidth(int width);

    // 2 * BorderWidth plus OffSet + ButtonWidth of every visible button.
    int ButtonsWidth() const;
    // Stores the button height and sizes the buttons (no layout).
    void ApplyButtonHeight(int height);

    void SetBounds(int left, int top, int width, int height) override;

    TButtonClickEvent OnButtonClick;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resized() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TVCLTbButton;
    void AdjustButtonSize();
    void ImageListChange(TObject* sender);
    void DrawEtchedLine(class QPainter& painter, int y) const;
    void ButtonClicked(TVCLTbButton* button);

    std::unique_ptr<TVCLTbBtns> m_buttons;
    bool m_flat = true;
    bool m_showCaptions = false;
    int m_buttonHeight = 22;
    TChangeLink m_imageChangeLink;
    TImageList* m_images = nullptr;
    int m_buttonWidth = 23;
    TButtonLayout m_buttonLayout = TButtonLayout::blGlyphTop;
    TEdgeBorderSet m_edgeBorders = ebTop;
    bool m_showHints = false;
};
