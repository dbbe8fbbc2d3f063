#include "tests/support/application/AccessibilityCheck.h"

#include "platform/ui/TControl.h"

#include <QAccessibleInterface>
#include <QWidget>

QStringList UnnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!TControl::ControlOf(widget) || widget->focusPolicy() == Qt::NoFocus ||
            !widget->isVisibleTo(window))
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     QString::fromLatin1(widget->metaObject()->className()));
    }
    return unnamed;
}

QAccessible::Role RoleOf(QWidget* window) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window);
    return reader ? reader->role() : QAccessible::NoRole;
}
