#include "declarations/registers/ApostropheGuard.h"

#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TWinControl.h"

namespace {
const QChar kApostrophe = QLatin1Char('\'');

void GuardEdit(TMaskEdit* edit) {
    const TNotifyEvent previous = edit->OnChange;
    edit->OnChange = TNotifyEvent::fromFunction([edit, previous](TObject* sender) {
        const QString text = edit->Text();
        if (!edit->IsMasked() && text.contains(kApostrophe)) {
            const int cursor = edit->SelStart();
            const int before = static_cast<int>(text.left(cursor).count(kApostrophe));
            // Setting the cleaned text runs this handler again, which passes it on.
            edit->SetText(QString(text).remove(kApostrophe));
            edit->SetSelStart(cursor - before);
            return;
        }
        previous(sender);
    });
}

void GuardMemo(TMemo* memo) {
    const TNotifyEvent previous = memo->OnChange;
    memo->OnChange = TNotifyEvent::fromFunction([memo, previous](TObject* sender) {
        const QString text = memo->Text();
        if (text.contains(kApostrophe)) {
            memo->SetText(QString(text).remove(kApostrophe));
            return;
        }
        previous(sender);
    });
}
} // namespace

void ApostropheGuard::Swallow(QChar& key) {
    if (IsApostrophe(key))
        key = QChar();
}

void ApostropheGuard::Install(TWinControl* root) {
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* control = root->Controls(i);
        if (auto* edit = dynamic_cast<TMaskEdit*>(control))
            GuardEdit(edit);
        else if (auto* memo = dynamic_cast<TMemo*>(control))
            GuardMemo(memo);
        else if (auto* container = dynamic_cast<TWinControl*>(control))
            Install(container);
    }
}
