#include "platform/ui/AccessibleNaming.h"

#include "platform/ui/TControl.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <limits>

namespace {

// How far a label may stand from its control and still name it.
constexpr int LabelReachLeft = 240;
constexpr int LabelReachAbove = 28;

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}
    QAccessible::Role role() const override {
        return widget()->isModal() ? QAccessible::Dialog : QAccessible::Window;
    }
};

// A combo box reads as its label says and its choice as its value; the
// toolkit's own reads the choice as the name on this platform. Once editable,
// its text part stands in for it.
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Combo()->currentText() : QAccessibleWidget::text(kind);
    }
    QAccessibleInterface* focusChild() const override {
        return Combo()->isEditable() ? QAccessible::queryAccessibleInterface(Combo()->lineEdit())
                                     : QAccessibleWidget::focusChild();
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            Combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

QString CaptionText(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QRect RectIn(const QWidget* widget, const QWidget* frame) {
    return QRect(widget->mapTo(frame, QPoint(0, 0)), widget->size());
}

// The caption of the label nearest to the control, on its left on the same
// line or just above it, among `labels` (geometry taken within `frame`).
QString NearestLabel(const QWidget* control, const QWidget* frame, const QList<QLabel*>& labels) {
    const QRect place = RectIn(control, frame);
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QLabel* label : labels) {
        // A data text shows a value, not what a control is.
        if (!label->isVisibleTo(frame) || dynamic_cast<const TDBText*>(TControl::ControlOf(label)) ||
            CaptionText(label->text()).isEmpty())
            continue;
        const QRect at = RectIn(label, frame);
        int distance = -1;
        const bool sameLine = at.top() < place.bottom() && at.bottom() > place.top();
        const bool sameColumn = at.left() < place.right() && at.right() > place.left();
        if (sameLine && at.right() <= place.left() + 2 && place.left() - at.right() <= LabelReachLeft)
            distance = place.left() - at.right();
        else if (sameColumn && at.bottom() <= place.top() + 2 && place.top() - at.bottom() <= LabelReachAbove)
            distance = place.top() - at.bottom();
        if (distance >= 0 && distance < bestDistance) {
            bestDistance = distance;
            best = CaptionText(label->text());
        }
    }
    return best;
}

} // namespace

AccessibleNaming::AccessibleNaming(QObject* parent) : QObject(parent) {
    QAccessible::installFactory(&AccessibleNaming::Interface);
}

AccessibleNaming::~AccessibleNaming() {
    QAccessible::removeFactory(&AccessibleNaming::Interface);
}

QAccessibleInterface* AccessibleNaming::Interface(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const TControl* control = TControl::ControlOf(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && control)
        return new ComboAccessible(combo);
    if (className != QLatin1String("QWidget") || !widget->isWindow() || !dynamic_cast<const TForm*>(control))
        return nullptr;
    return new FormAccessible(widget);
}

QString AccessibleNaming::NameFor(const QWidget* control) {
    const TControl* owner = TControl::ControlOf(control);
    const QString hint = owner ? owner->Hint() : QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return CaptionText(button->text()).isEmpty() ? hint : QString();
    // Its own parent first: a panel's label is the one meant. A grid is
    // named by a label beside it only.
    const bool grid = qobject_cast<const QAbstractItemView*>(control);
    if (const QWidget* parent = control->parentWidget()) {
        const QString label =
            NearestLabel(control, parent, parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
        if (!label.isEmpty())
            return label;
    }
    const QWidget* window = control->window();
    const QString label = grid ? QString() : NearestLabel(control, window, window->findChildren<QLabel*>());
    if (!label.isEmpty())
        return label;
    for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(up))
            if (!CaptionText(group->title()).isEmpty())
                return CaptionText(group->title());
    if (!hint.isEmpty())
        return hint;
    // A grid, or a read-only text, with nothing else to go by shows what
    // the form holding it is about.
    const auto* text = qobject_cast<const QPlainTextEdit*>(control);
    if (!grid && !(text && text->isReadOnly()))
        return {};
    for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (const auto* form = dynamic_cast<const TForm*>(TControl::ControlOf(up)))
            if (!CaptionText(form->Caption()).isEmpty())
                return CaptionText(form->Caption());
    return {};
}

bool AccessibleNaming::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Buttons too when they take no focus: a toolbar's are read all the same.
        const bool reached = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget);
        // The text part of a combo box reads as the box.
        QWidget* named = widget;
        if (auto* combo = qobject_cast<QComboBox*>(widget->parentWidget());
            combo && combo->lineEdit() == widget)
            named = combo;
        if (reached && widget->accessibleName().isEmpty() && TControl::ControlOf(named)) {
            const QString name = named->accessibleName().isEmpty() ? NameFor(named) : named->accessibleName();
            if (!name.isEmpty())
                widget->setAccessibleName(name);
        }
    }
    return false;
}
