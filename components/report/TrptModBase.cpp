#include "components/report/TrptModBase.h"

#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"

namespace {
constexpr double kTitlePoints = 12;
constexpr double kLinePoints = 10;
constexpr double kSmallPoints = 8;
} // namespace

TrptModBase::TrptModBase(TComponent* owner) : TNUBRep(owner) {
    const QString face = QStringLiteral("Verdana");
    sys_titulo->SetFont(TReportFont(face, kTitlePoints, TFontStyle::fsBold));
    sys_titulo->SetTop(76);
    for (TTextPrintable* line :
         std::initializer_list<TTextPrintable*>{qlb_Localidade, qlb_gerencia, qlb_Sistema})
        line->SetFont(TReportFont(face, kLinePoints));
    for (TTextPrintable* small : std::initializer_list<TTextPrintable*>{
             sys_Pagina, sys_DataHora, qrlAssessoria, qrlusuario, lblDataHora})
        small->SetFont(TReportFont(face, kSmallPoints));
    qrlAssessoria->SetTop(8);
    sys_DataHora->SetTop(26);
    sys_Pagina->SetTop(44);
    qrlusuario->SetTop(62);
}
