#include "core/forms/TfrmModDocumento.h"

#include "core/forms/TfrmModPrincipal.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

TfrmModDocumento::TfrmModDocumento(TComponent* owner, int documentId)
    : TfrmModBase(owner), m_documentId(documentId) {
    SetPosition(TPosition::poDefaultPosOnly);
    OnClose = TCloseEvent(this, &TfrmModDocumento::FormClose);
}

TfrmModDocumento::~TfrmModDocumento() {
    // While the owner itself is being destroyed it is no main window any more
    // and the cast finds nothing.
    if (m_announced)
        if (auto* principal = dynamic_cast<TfrmModPrincipal*>(Owner()))
            principal->DocumentNotification(this, TOperation::opRemove);
}

QString TfrmModDocumento::ClassName() const {
    if (m_announced)
        return m_className;
    return ClassNameOf(typeid(*this));
}

QString TfrmModDocumento::ClassNameOf(const std::type_info& type) {
    const char* mangled = type.name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    const int scope = name.lastIndexOf(QStringLiteral("::"));
    return scope < 0 ? name : name.mid(scope + 2);
}

void TfrmModDocumento::Announce() {
    m_className = ClassName();
    m_announced = true;
    if (auto* principal = dynamic_cast<TfrmModPrincipal*>(Owner()))
        principal->DocumentNotification(this, TOperation::opInsert);
}

void TfrmModDocumento::FormClose(TObject*, TCloseAction& action) {
    if (FormStyle() == TFormStyle::fsMDIChild)
        action = TCloseAction::caFree;
}
