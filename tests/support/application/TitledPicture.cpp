#include "tests/support/application/TitledPicture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

QImage TitledPicture(QWidget* window) {
    const QPixmap content = window->grab();
    QStyleOptionTitleBar option;
    option.initFrom(window);
    option.text = window->windowTitle();
    option.icon = window->windowIcon();
    option.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    option.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu;
    option.state |= QStyle::State_Active;
    option.titleBarState = Qt::WindowActive;
    const int height = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, window);
    option.rect = QRect(0, 0, content.width(), height);
    QImage picture(content.width(), height + content.height(), QImage::Format_ARGB32);
    picture.fill(window->palette().window().color());
    QPainter painter(&picture);
    window->style()->drawComplexControl(QStyle::CC_TitleBar, &option, &painter, window);
    painter.drawPixmap(0, height, content);
    return picture;
}
