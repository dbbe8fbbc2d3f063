#include "declarations/reports/TrptEspelhoZebZFM.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TNumericField.h"

#include <tuple>

TrptEspelhoZebZFM::TrptEspelhoZebZFM(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebZFM"), QStringLiteral("ibtZFM")) {
    PageTitleBand(QStringLiteral("Zona Franca de Manaus e Área de Livre Comércio"));
    ibqZFM = Query(QStringLiteral("ibqZFM"),
                   {QStringLiteral("SELECT * "), QStringLiteral("FROM SAIDA_ALC_DECLARADA"),
                    QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")},
                   {"SQ_DECLARACAO:F", "CO_LOCALIDADE:I", "NU_SERIE_NOTA_FISCAL:S3",
                    "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:F", "DT_EMISSAO_NF:D", "VL_NOTA_FISCAL:M",
                    "VL_ISENTAS:M", "NU_INSCR_SUFRAMA:I", "NU_CNPJ_DESTINO:F"});
    static_cast<TNumericField*>(ibqZFM->FieldByName(QStringLiteral("NU_INSCR_SUFRAMA")))
        ->SetDisplayFormat(QStringLiteral("00.000.000-0"));
    static_cast<TNumericField*>(ibqZFM->FieldByName(QStringLiteral("NU_CNPJ_DESTINO")))
        ->SetDisplayFormat(QStringLiteral("00.000.000/0000-00"));
    for (const auto& [campo, resultado, tamanho] :
         {std::tuple{"Municipio", "NO_LOCALIDADE", 60}, std::tuple{"UF", "SG_UF", 2}})
        MakeLookupField(ibqZFM, QString::fromLatin1(campo), tamanho, DMDefBasica->cdsMunicipios,
                        QStringLiteral("CO_LOCALIDADE"), QStringLiteral("CO_LOCALIDADE"),
                        QString::fromLatin1(resultado));

    MirrorGroup(this, QStringLiteral("ZFM"), QStringLiteral("Notas Fiscais"), ibqZFM,
                {{"NU_NOTA_FISCAL", "Número", 50},
                 {"NU_SERIE_NOTA_FISCAL", "Sér.", 26},
                 {"NU_SUBSERIE_NOTA_FISCAL", "Sub.", 26},
                 {"DT_EMISSAO_NF", "Data de Emissão", 58},
                 {"VL_NOTA_FISCAL", "Valor da Nota Fiscal", 80, true},
                 {"VL_ISENTAS", "Valor do ICMS abatido", 80, true},
                 {"Municipio", "Município", 118},
                 {"UF", "UF", 22},
                 {"NU_CNPJ_DESTINO", "CNPJ do Destinatário", 112},
                 {"NU_INSCR_SUFRAMA", "Inscrição SUFRAMA", 72}},
                {{"Nota Fiscal", 0, 3}});
}
