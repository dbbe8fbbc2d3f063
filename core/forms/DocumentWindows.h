#pragma once
// The one way document windows are opened: an open window of the requested
// class and document is brought forward, else a new one is made.

#include "core/forms/TfrmModDocumento.h"

#include <typeinfo>

// The first MDI child of the main form (index order) that is a document
// window of exactly this class name and, unless documentId is -1, of this
// document. None when there is none.
TfrmModDocumento* FindDocument(const QString& className, int documentId);

// Restores a minimised window and shows it.
void BringDocumentForward(TfrmModDocumento* document);

// The open window of class T for the document, brought forward, or a new
// one owned by `owner`.
template <class T> T* ShowOrCreateDocument(TComponent* owner, int documentId) {
    if (TfrmModDocumento* found = FindDocument(TfrmModDocumento::ClassNameOf(typeid(T)), documentId)) {
        BringDocumentForward(found);
        return static_cast<T*>(found);
    }
    return TfrmModDocumento::Create<T>(owner, documentId);
}

// What every caller uses: the main window's actions with -1, the declaration
// list with the declaration it opens.
template <class T> T* ShowDocument(TComponent* owner, int documentId) {
    return ShowOrCreateDocument<T>(owner, documentId);
}
