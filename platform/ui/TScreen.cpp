#include "platform/ui/TScreen.h"

#include "platform/graphics/TScreenCursors.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() {
    SetCursor(crDefault);
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == m_cursor)
        return;
    if (m_cursor != crDefault)
        QApplication::restoreOverrideCursor();
    m_cursor = cursor;
    if (cursor != crDefault)
        QApplication::setOverrideCursor(QtCursor(cursor));
}

int TScreen::Width() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int TScreen::Height() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

int TScreen::CaptionHeight() const {
    return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

int TScreen::EdgeWidth() const {
    return QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

int TScreen::ScrollBarWidth() const {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QCursor TScreen::QtCursor(TCursor cursor) {
    switch (cursor) {
    case crHourGlass:
        return QCursor(Qt::WaitCursor);
    case crSQLWait:
        return QCursor(Qt::BusyCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    default:
        return TScreenCursors::Find(cursor).value_or(QCursor(Qt::ArrowCursor));
    }
}
