#pragma once
// The screen: its size, the program-wide mouse cursor (hourglass while busy)
// and the form that is active.

#include "platform/base/TComponent.h"
#include "platform/ui/UiTypes.h"

#include <QCursor>

class TForm;

class TScreen : public TComponent {
    Q_OBJECT
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    TCursor Cursor() const { return m_cursor; }
    // Any cursor but crDefault overrides every window's own cursor.
    void SetCursor(TCursor cursor);

    int Width() const;
    int Height() const;
    // Height of a window caption (MDI children cascade by it).
    int CaptionHeight() const;
    // Width of a sunken edge around a control, and of a vertical scroll bar.
    int EdgeWidth() const;
    int ScrollBarWidth() const;

    TForm* ActiveForm() const { return m_activeForm; }
    void SetActiveForm(TForm* form) { m_activeForm = form; }

    static QCursor QtCursor(TCursor cursor);

private:
    TCursor m_cursor = crDefault;
    TForm* m_activeForm = nullptr;
};

extern TScreen* Screen;
