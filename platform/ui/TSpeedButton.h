#pragma once
// A flat tool button with a picture. Buttons of one group (GroupIndex > 0,
// same parent) stay down one at a time; AllowAllUp lets the down one come up.

#include "platform/ui/TControl.h"

#include <QPixmap>
#include <memory>

class QToolButton;
class TAction;
class TActionLink;

class TSpeedButton : public TControl {
    Q_OBJECT
public:
    TSpeedButton(TComponent* owner, TWinControl* parent = nullptr);
    ~TSpeedButton() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    QPixmap Glyph() const { return m_glyph; }
    void SetGlyph(const QPixmap& glyph);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) { m_spacing = spacing; }
    int Margin() const { return m_margin; }
    void SetMargin(int margin) { m_margin = margin; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }
    TAction* Action() const;
    void SetAction(TAction* action);

    void Click() override;

protected:
    bool ClickOnMouseRelease() const override { return false; }

private:
    QToolButton* Button() const;
    void UpdateStyle();
    void Pressed();

    QString m_caption;
    bool m_flat = false;
    QPixmap m_glyph;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_spacing = 4;
    int m_margin = -1;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    std::unique_ptr<TActionLink> m_link;
};
