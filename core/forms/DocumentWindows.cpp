#include "core/forms/DocumentWindows.h"

#include "platform/ui/TApplication.h"

TfrmModDocumento* FindDocument(const QString& className, int documentId) {
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (!main)
        return nullptr;
    for (int i = 0; i < main->MDIChildCount(); ++i) {
        auto* document = dynamic_cast<TfrmModDocumento*>(main->MDIChildren(i));
        if (document && document->ClassName() == className &&
            (documentId == -1 || document->DocumentId() == documentId))
            return document;
    }
    return nullptr;
}

void BringDocumentForward(TfrmModDocumento* document) {
    if (document->WindowState() == TWindowState::wsMinimized)
        document->SetWindowState(TWindowState::wsNormal);
    document->Show();
    document->BringToFront();
}
