#pragma once
// The template of document windows: each carries the id of the document it
// shows (-1: no particular document) and is opened through ShowDocument
// (core/forms/DocumentWindows.h). MDI children are freed when they close.
//
// The main window keeps counts of the document windows it owns: a document
// window made by Create or CreateDocument announces itself to its owner once
// it is fully built and again when it goes (see TfrmModPrincipal).

#include "core/forms/TfrmModBase.h"

#include <memory>
#include <typeinfo>

class TfrmModDocumento : public TfrmModBase {
    Q_OBJECT
public:
    TfrmModDocumento(TComponent* owner, int documentId);
    ~TfrmModDocumento() override;

    int DocumentId() const { return m_documentId; }
    // The exact class name of the window ("TfrmSelDeclaracao"), without any
    // namespace; a class derived from another document class has its own.
    // Kept from the announcement on, so it is still known while the window
    // is being destroyed.
    QString ClassName() const;
    // The same name for a class given by its type.
    static QString ClassNameOf(const std::type_info& type);

    // Builds a window of class T for the owner and the document, announces it
    // to its owner and runs its creation (an MDI child then shows itself).
    template <class T> static T* Create(TComponent* owner, int documentId) {
        std::unique_ptr<T> form(new T(owner, documentId));
        form->Announce();
        form->AfterConstruction();
        return form.release();
    }
    // The same, for windows made directly and shown modally.
    template <class T> static T* CreateDocument(TComponent* owner, int documentId) {
        return Create<T>(owner, documentId);
    }

    void FormClose(TObject* sender, TCloseAction& action);

private:
    void Announce();

    int m_documentId;
    bool m_announced = false;
    QString m_className;
};
