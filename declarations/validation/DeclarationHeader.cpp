#include "declarations/validation/DeclarationHeader.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

DeclarationHeader DeclarationHeader::Of(const TDataSet& row) {
    auto campo = [&row](const char* nome) { return row.FieldByName(QString::fromLatin1(nome)); };
    DeclarationHeader h;
    h.mes = campo("ME_REFERENCIA")->AsInteger();
    h.ano = campo("AN_REFERENCIA")->AsInteger();
    h.sq = DeclarationKey::Of(*campo("SQ_DECLARACAO"));
    h.inscricao = campo("NU_INSCRICAO")->AsInteger();
    h.semRepresentante = campo("NO_REPRESENTANTE_LEGAL")->IsNull();
    h.saldoAnterior = campo("VL_SALDO_ANTERIOR")->AsCurrency();
    h.saldoAnteriorST = campo("VL_SALDO_ANTERIOR_ST")->AsCurrency();
    h.sceAnterior = campo("VL_SCE_ANTERIOR")->AsCurrency();
    h.sceCreditoEnergia = campo("VL_SCE_CREDITO_ICMS_ENERGIA")->AsCurrency();
    h.sceProvisao = campo("VL_SCE_PROVISAO")->AsCurrency();
    h.semMovAlcZfm = campo("IN_ALC_ZFM_SEM_MOV")->AsString();
    h.semMovOperProp = campo("IN_OPER_PROP_SEM_MOV")->AsString();
    h.semMovSubstTribut = campo("IN_SUBST_TRIBUT_SEM_MOV")->AsString();
    h.semMovOutrosICMS = campo("IN_OUTROS_ICMS_SEM_MOV")->AsString();
    return h;
}
