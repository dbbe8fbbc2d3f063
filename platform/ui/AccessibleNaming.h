#pragma once
// What a screen reader says of the program's windows. Every control that
// takes the focus gets a name as it is first shown, unless the toolkit
// already reads one from it (a button's or check box's caption): an edit,
// combo or grid the caption of its label (the nearest label on its left on
// the same line, else just above it), a picture button its hint, else the
// title of the group it sits in, else its hint; a grid or read-only text
// with none of these takes the caption of the form holding it; the text part
// of a combo box takes the box's name. Forms read as windows, and as dialogs
// while they are modal; a combo box reads its choice as its value, never as
// its name.
//
// The application object installs one for the whole program.

#include <QObject>
#include <QString>

class QAccessibleInterface;
class QWidget;

class AccessibleNaming : public QObject {
    Q_OBJECT
public:
    explicit AccessibleNaming(QObject* parent);
    ~AccessibleNaming() override;

    // The name the rules above give a control: empty when the toolkit reads
    // one of its own or no rule applies.
    static QString NameFor(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The interfaces of the program's forms and combo boxes.
    static QAccessibleInterface* Interface(const QString& className, QObject* object);
};
