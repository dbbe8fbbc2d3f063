#include "declarations/validation/DeclarationHeader.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

DeclarationHeader DeclarationHeader::Of(const TDataSet& row) {
    auto campo = [&row](const char* nome) { return row.FieldByName(QString::fromLatin1(nome)); };
    DeclarationHeader h;
    h.month = campo("ME_REFERENCIA")->AsInteger();
    h.year = campo("AN_REFERENCIA")->AsInteger();
    h.sq = DeclarationKey::Of(*campo("SQ_DECLARACAO"));
    h.registration = campo("NU_INSCRICAO")->AsInteger();
    h.noRepresentative = campo("NO_REPRESENTANTE_LEGAL")->IsNull();
    h.openingBalance = campo("VL_SALDO_ANTERIOR")->AsCurrency();
    h.openingBalanceST = campo("VL_SALDO_ANTERIOR_ST")->AsCurrency();
    h.exportOpeningBalance = campo("VL_SCE_ANTERIOR")->AsCurrency();
    h.exportEnergyCredit = campo("VL_SCE_CREDITO_ICMS_ENERGIA")->AsCurrency();
    h.exportProvision = campo("VL_SCE_PROVISAO")->AsCurrency();
    h.noMovementFreeTradeArea = campo("IN_ALC_ZFM_SEM_MOV")->AsString();
    h.noMovementOwnOperations = campo("IN_OPER_PROP_SEM_MOV")->AsString();
    h.noMovementTaxSubstitution = campo("IN_SUBST_TRIBUT_SEM_MOV")->AsString();
    h.noMovementOtherIcms = campo("IN_OUTROS_ICMS_SEM_MOV")->AsString();
    return h;
}
