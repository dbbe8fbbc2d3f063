#include "core/data/ReferenceLookups.h"

#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TParam.h"

#include <QHash>

namespace {

const QString DoNotFill = QStringLiteral("Este campo não deverá ser preenchido !");

// Runs a query with its own text and gives the query its previous text back.
class TemporaryQueryText {
public:
    TemporaryQueryText(TIBQuery* query, const QStringList& sql) : m_query(query), m_previous(query->SQL()) {
        m_query->Close();
        m_query->SetSQL(sql);
    }
    ~TemporaryQueryText() {
        m_query->Close();
        m_query->SetSQL(m_previous);
    }
    TemporaryQueryText(const TemporaryQueryText&) = delete;
    TemporaryQueryText& operator=(const TemporaryQueryText&) = delete;

private:
    TIBQuery* m_query;
    QStringList m_previous;
};

} // namespace

bool PertenceGrupoCFOP2(int codigo) {
    TIBQuery* consulta = DMDefAux->ibqAuxiliar;
    TemporaryQueryText texto(
        consulta, {QStringLiteral("SELECT 1"), QStringLiteral("FROM GRUPOS_CFOP GC, GRUPAMENTO_CFOP GT"),
                   QStringLiteral("WHERE GC.CO_GRUPO_CFOP = GT.CO_GRUPO_CFOP"),
                   QStringLiteral("AND GT.DT_FIM IS NULL"), QStringLiteral("AND GC.CO_GRUPO_CFOP = 2"),
                   QStringLiteral("AND GT.CO_FISCAL_OPERACAO = :CO_FISCAL_OPERACAO")});
    consulta->ParamByName(QStringLiteral("CO_FISCAL_OPERACAO"))->SetAsInteger(codigo);
    consulta->Open();
    return consulta->RecordCount() == 1;
}

QString FormatoDadoComplementar(const QString& significado) {
    static const QHash<QString, QString> conhecidos{
        {QStringLiteral("Não preencher"), DoNotFill},
        {QStringLiteral("DESC_PROCESSO"), QStringLiteral("Formato: E99-999999/9999")},
        {QStringLiteral("NU_NOTA_FISCAL"), QStringLiteral("Formato: 999999")},
        {QStringLiteral("NU_SERIE_NOTA_FISCAL"), QStringLiteral("Formato: 999")},
        {QStringLiteral("NU_SUBSERIE_NOTA_FISCAL"), QStringLiteral("Formato: 99")},
        {QStringLiteral("NU_INSCRICAO"), QStringLiteral("Formato: 99999999")},
    };
    if (const auto it = conhecidos.constFind(significado); it != conhecidos.constEnd())
        return it.value();
    TIBQuery* consulta = DMDefBasica->ibqRefCodes;
    TemporaryQueryText texto(
        consulta, {QStringLiteral("SELECT * FROM CG_REF_CODES WHERE RV_DOMAIN = 'D TP COMPLEMENTO'"),
                   QStringLiteral("AND RV_MEANING = :RV_MEANING")});
    consulta->ParamByName(QStringLiteral("RV_MEANING"))->SetAsString(significado);
    consulta->Open();
    const QString formato =
        consulta->IsEmpty() ? QString() : consulta->FieldByName(QStringLiteral("RV_FORMAT"))->AsString();
    return formato == QStringLiteral("Não Preencher") ? DoNotFill : formato;
}
