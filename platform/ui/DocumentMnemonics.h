#pragma once
// The mnemonics of an MDI frame's menu bar give way to those of the document
// window the user works in. A menu title whose mnemonic a button shown in that
// window has too (greyed or not) shows without its own while the focus is in
// the window, so Alt and the letter reach the button at the first press (two
// owners of one key would each get it in turn) and never a menu behind it.
// The title takes its mnemonic back as soon as the window no longer claims
// the key. The claims are looked at whenever the focus moves and again before
// each key pressed with Alt is matched, when a button may have come or gone.

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class TForm;

class DocumentMnemonics : public QObject {
    Q_OBJECT
public:
    // Watches the frame's window; the frame outlives this object.
    explicit DocumentMnemonics(TForm& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GiveWay();

    TForm& m_frame;
    // The titles showing without their mnemonic, with their own captions.
    QHash<QAction*, QString> m_given;
};
