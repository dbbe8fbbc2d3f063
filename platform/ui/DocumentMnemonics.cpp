#include "platform/ui/DocumentMnemonics.h"

#include "platform/ui/TForm.h"
#include "platform/ui/TMainMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

// The document window of `area` holding the focus, if any.
const QMdiSubWindow* FocusedDocument(const QMdiArea* area) {
    for (const QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (const auto* document = qobject_cast<const QMdiSubWindow*>(widget))
            return document->mdiArea() == area ? document : nullptr;
    return nullptr;
}

// The keys of the buttons the document shows, greyed ones too: a key of the
// window does nothing while its button is greyed, rather than reach a menu.
QList<QKeySequence> ClaimedKeys(const QMdiSubWindow* document) {
    QList<QKeySequence> keys;
    if (document)
        for (const QAbstractButton* button : document->findChildren<QAbstractButton*>())
            if (button->isVisible())
                keys << QKeySequence::mnemonic(button->text());
    return keys;
}

// A caption with its mnemonic marker taken out ("&&" stays a literal &).
QString WithoutMnemonic(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&') || i + 1 == caption.size()) {
            plain += caption[i];
        } else if (caption[i + 1] == QLatin1Char('&')) {
            plain += QStringLiteral("&&");
            ++i;
        }
    }
    return plain;
}

} // namespace

DocumentMnemonics::DocumentMnemonics(TForm& frame) : m_frame(frame) {
    frame.Widget()->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &DocumentMnemonics::GiveWay);
}

bool DocumentMnemonics::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier))
        GiveWay();
    return false;
}

void DocumentMnemonics::GiveWay() {
    const QMenuBar* bar = m_frame.Menu() ? m_frame.Menu()->MenuBar() : nullptr;
    if (!bar)
        return;
    const QList<QKeySequence> claimed = ClaimedKeys(FocusedDocument(m_frame.MdiArea()));
    QHash<QAction*, QString> given;
    for (QAction* title : bar->actions()) {
        // A caption set since it gave its mnemonic away is its own now.
        QString own = m_given.value(title, title->text());
        if (title->text() != WithoutMnemonic(own))
            own = title->text();
        const QKeySequence key = QKeySequence::mnemonic(own);
        if (!key.isEmpty() && claimed.contains(key)) {
            given.insert(title, own);
            title->setText(WithoutMnemonic(own));
        } else {
            title->setText(own);
        }
    }
    m_given = given;
}
