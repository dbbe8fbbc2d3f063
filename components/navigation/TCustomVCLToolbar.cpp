#include "components/navigation/TCustomVCLToolbar.h"

#include "components/navigation/TVCLTbButton.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TSpeedButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>

TCustomVCLToolbar::TCustomVCLToolbar(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QWidget) {
    m_buttons = std::make_unique<TVCLTbBtns>(this);
    m_imageChangeLink.OnChange = TNotifyEvent(this, &TCustomVCLToolbar::ImageListChange);
    Widget()->setAutoFillBackground(true);
    TWinControl::SetBorderWidth(2);
    SetBounds(0, 0, 185, m_buttonHeight + 2 * 2);
    SetParent(parent);
}

TCustomVCLToolbar::~TCustomVCLToolbar() {
    if (m_images)
        m_images->UnRegisterChanges(&m_imageChangeLink);
    m_buttons.reset();
}

void TCustomVCLToolbar::SetFlat(bool flat) {
    m_flat = flat;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Items(i)->SpeedButton()->SetFlat(flat);
}

void TCustomVCLToolbar::SetShowHints(bool show) {
    m_showHints = show;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Items(i)->SpeedButton()->SetShowHint(show);
}

void TCustomVCLToolbar::SetShowCaptions(bool show) {
    m_showCaptions = show;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        TVCLTbButton* item = m_buttons->Items(i);
        item->SpeedButton()->SetCaption(show ? item->Caption() : QString());
    }
    AdjustButtonSize();
}

void TCustomVCLToolbar::ApplyButtonHeight(int height) {
    m_buttonHeight = height;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        TSpeedButton* button = m_buttons->Items(i)->SpeedButton();
        button->SetHeight(height);
    }
}

void TCustomVCLToolbar::SetButtonHeight(int height) {
    ApplyButtonHeight(height);
    SetHeight(height + 2 * BorderWidth());
}

void TCustomVCLToolbar::SetButtonWidth(int width) {
    m_buttonWidth = width;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Items(i)->SpeedButton()->SetWidth(width);
    m_buttons->Update();
}

void TCustomVCLToolbar::SetButtonLayout(TButtonLayout layout) {
    m_buttonLayout = layout;
    if (IsLoading())
        return;
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Items(i)->SpeedButton()->SetLayout(layout);
    m_buttons->Update();
}

void TCustomVCLToolbar::SetImages(TImageList* images) {
    if (!IsLoading() && m_images)
        m_images->UnRegisterChanges(&m_imageChangeLink);
    m_images = images;
    m_buttons->Update();
    if (!IsLoading() && images) {
        images->RegisterChanges(&m_imageChangeLink);
        images->FreeNotification(this);
    }
}

void TCustomVCLToolbar::SetEdgeBorders(TEdgeBorderSet borders) {
    m_edgeBorders = borders;
    Invalidate();
}

void TCustomVCLToolbar::SetBorderWidth(int width) {
    TWinControl::SetBorderWidth(width);
    SetHeight(2 * width + m_buttonHeight);
    m_buttons->Update();
}

int TCustomVCLToolbar::ButtonsWidth() const {
    int width = 2 * BorderWidth();
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TVCLTbButton* item = m_buttons->Items(i);
        if (item->Visible())
            width += item->OffSet() + m_buttonWidth;
    }
    return width;
}

void TCustomVCLToolbar::AdjustButtonSize() {
    const QFontMetrics metrics(Font());
    const int imageWidth = m_images ? m_images->Width() : 0;
    const int imageHeight = m_images ? m_images->Height() : 0;
    const bool glyphAboveText =
        m_buttonLayout == TButtonLayout::blGlyphTop || m_buttonLayout == TButtonLayout::blGlyphBottom;
    int width = glyphAboveText ? imageWidth : 0;
    int height = glyphAboveText ? 0 : imageHeight;
    bool measured = false;
    if (m_showCaptions) {
        for (int i = 0; i < m_buttons->Count(); ++i) {
            const TVCLTbButton* item = m_buttons->Items(i);
            if (item->Caption().isEmpty())
                continue;
            const QString text = StripAccelChar(item->Caption());
            const int spacing = item->Spacing();
            if (glyphAboveText) {
                height = std::max(height, metrics.height() + spacing);
                width = std::max(width, metrics.horizontalAdvance(text));
            } else {
                width = std::max(width, metrics.horizontalAdvance(text) + spacing);
                height = std::max(height, metrics.height());
            }
            measured = true;
        }
    }
    if (glyphAboveText)
        height += imageHeight;
    else
        width += imageWidth;
    if (height > 0 && width > 0) {
        SetButtonHeight(height + 6);
        SetButtonWidth(measured ? width : width + 7);
    }
}

void TCustomVCLToolbar::Loaded() {
    TWinControl::Loaded();
    const int storedHeight = m_buttonHeight;
    const int storedWidth = m_buttonWidth;
    SetFlat(m_flat);
    SetButtonLayout(m_buttonLayout);
    SetImages(m_images);
    for (int i = 0; i < m_buttons->Count(); ++i) {
        TVCLTbButton* item = m_buttons->Items(i);
        item->SetImageIndex(item->ImageIndex());
        item->SetCaption(item->Caption());
        item->SetHint(item->Hint());
    }
    SetShowCaptions(m_showCaptions);
    SetShowHints(m_showHints);
    SetButtonHeight(storedHeight);
    SetButtonWidth(storedWidth);
}

void TCustomVCLToolbar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images) {
        m_images = nullptr;
        m_buttons->Update();
    }
}

void TCustomVCLToolbar::ImageListChange(TObject* sender) {
    if (sender == m_images)
        m_buttons->Update();
}

void TCustomVCLToolbar::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    if (m_buttons)
        ApplyButtonHeight(Height() - 2 * BorderWidth());
}

void TCustomVCLToolbar::Resized() {
    TWinControl::Resized();
    ApplyButtonHeight(Height() - 2 * BorderWidth());
}

void TCustomVCLToolbar::DrawEtchedLine(QPainter& painter, int y) const {
    const QPalette& palette = Widget()->palette();
    const int right = ClientWidth() - 1;
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(0, y + 1, 0, y);
    painter.drawLine(0, y, right, y);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(right, y + 1, 0, y + 1);
}

bool TCustomVCLToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Widget() && event->type() == QEvent::Paint && m_edgeBorders) {
        QPainter painter(Widget());
        if (m_edgeBorders & ebTop)
            DrawEtchedLine(painter, 0);
        if (m_edgeBorders & ebBottom)
            DrawEtchedLine(painter, ClientHeight() - 2);
    }
    return TWinControl::eventFilter(watched, event);
}

void TCustomVCLToolbar::ButtonClicked(TVCLTbButton* button) {
    if (OnButtonClick)
        OnButtonClick(this, button);
}
