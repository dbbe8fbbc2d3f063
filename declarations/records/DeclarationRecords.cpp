#include "declarations/records/DeclarationRecords.h"

#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBXSQLVAR.h"
#include "platform/db/TransactionScope.h"

#include <QStringList>

namespace {

// The declarations of the taxpayer in the period, the highest key first, in
// DMDefGeral.cdsAuxiliar; a failing query refuses.
TClientDataSet* DeclarationsOfPeriod(qint64 inscricao, int ano, int mes) {
    RuleMessages::Query(
        {QStringLiteral("select * from DECLARACAO_ECONOMICO_FISCAL"),
         QStringLiteral("WHERE NU_INSCRICAO = %1 and AN_REFERENCIA = %2 and ME_REFERENCIA = %3")
             .arg(inscricao)
             .arg(ano)
             .arg(mes),
         QStringLiteral("ORDER BY SQ_DECLARACAO DESC")});
    return DMDefGeral->cdsAuxiliar;
}

} // namespace

bool DeclarationExists(qint64 inscricao, int ano, int mes) {
    return !DeclarationsOfPeriod(inscricao, ano, mes)->IsEmpty();
}

OpeningBalances OpeningBalancesOf(qint64 inscricao, int ano, int mes) {
    OpeningBalances saldos;
    --mes;
    if (mes < 1) {
        mes = 12;
        --ano;
    }
    TClientDataSet* anterior = DeclarationsOfPeriod(inscricao, ano, mes);
    if (anterior->IsEmpty())
        return saldos;
    anterior->First();
    saldos.balance = TruncaCentavos(anterior->FieldByName(QStringLiteral("VL_SALDO_ANTERIOR"))->AsCurrency());
    saldos.balanceST =
        TruncaCentavos(anterior->FieldByName(QStringLiteral("VL_SALDO_ANTERIOR_ST"))->AsCurrency());
    return saldos;
}

std::optional<DeclarationKey> InsertDeclaration(qint64 inscricao, int ano, int mes,
                                                const OpeningBalances& saldos) {
    const QString chave = DMDefGeral->ProximoSequencial(3);
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    try {
        declaracao->Open();
        declaracao->Insert();
        auto campo = [declaracao](const char* nome) { return declaracao->FieldByName(QLatin1String(nome)); };
        campo("SQ_DECLARACAO")->SetAsString(chave);
        campo("NU_INSCRICAO")->SetAsString(QString::number(inscricao));
        campo("AN_REFERENCIA")->SetAsInteger(ano);
        campo("ME_REFERENCIA")->SetAsInteger(mes);
        campo("IN_RETIFICADORA")->SetAsString(QStringLiteral("N"));
        campo("IN_PERIODICIDADE")->SetAsString(QStringLiteral("M"));
        campo("IN_BAIXA_CONTRIBUINTE")->SetAsString(QStringLiteral("N"));
        campo("COMERRO")->Clear();
        campo("VL_SALDO_ANTERIOR")->SetAsCurrency(saldos.balance);
        campo("VL_SALDO_ANTERIOR_ST")->SetAsCurrency(saldos.balanceST);
        for (const char* zero : {"VL_IPI_SAIDAS", "VL_ESTOQUE_FINAL", "VL_SCE_ANTERIOR",
                                 "VL_SCE_ESTORNO_PROVISAO", "VL_SCE_CREDITO_ICMS_ENERGIA", "VL_SCE_PROVISAO"})
            campo(zero)->SetAsCurrency(Currency());
        campo("IN_OPER_PROP_SEM_MOV")->SetAsString(QStringLiteral("N"));
        campo("IN_SUBST_TRIBUT_SEM_MOV")->SetAsString(QStringLiteral("N"));
        const QString semMovimento = ano <= 2001 ? QStringLiteral("S") : QStringLiteral("N");
        campo("IN_OUTROS_ICMS_SEM_MOV")->SetAsString(semMovimento);
        campo("IN_ALC_ZFM_SEM_MOV")->SetAsString(semMovimento);
        declaracao->Post();
        ApplyAllUpdates(*declaracao);
        declaracao->Close();
        const int incluida = chave.toInt();
        DMDef->cdsSelDeclaracao->Refresh();
        DMDef->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), incluida);
        return DeclarationKey(incluida);
    } catch (const std::exception&) {
        if (declaracao->Active()) {
            if (declaracao->State() == TDataSetState::dsInsert)
                declaracao->Cancel();
            declaracao->CancelUpdates();
        }
        MsgErro(QStringLiteral("Erro na Inserção da Declaração!"));
        return std::nullopt;
    }
}

std::optional<DeclarationKey> CriaDeclaracaoRetificadora(DeclarationKey chave, bool copiaValores) {
    const qint64 selecionada = chave.Value();
    TIBSQL sql;
    sql.SetDatabase(DMDefGeral->ibDBDef);
    sql.SetTransaction(DMDefGeral->ibtSQLAuxiliar);
    int nova = 0;
    // Until the declaration row is in, a failure is the inclusion's; after
    // it, the copy's.
    bool copiando = false;
    try {
        TransactionScope transacao(*DMDefGeral->ibtSQLAuxiliar);
        // The rectification number follows the highest of the month; every
        // rectification points to the normal declaration.
        sql.SetSQLText(QStringLiteral(
            "SELECT D.NU_INSCRICAO, D.AN_REFERENCIA, D.ME_REFERENCIA, D.IN_RETIFICADORA, "
            "D.SQ_DECLARACAO_RETIFICA, D.VL_SALDO_ANTERIOR, D.VL_SALDO_ANTERIOR_ST, "
            "(SELECT MAX(R.NU_RETIFICADORA) FROM DECLARACAO_ECONOMICO_FISCAL R WHERE R.NU_INSCRICAO = "
            "D.NU_INSCRICAO AND R.AN_REFERENCIA = D.AN_REFERENCIA AND R.ME_REFERENCIA = D.ME_REFERENCIA AND "
            "R.IN_RETIFICADORA = 'S') FROM DECLARACAO_ECONOMICO_FISCAL D WHERE D.SQ_DECLARACAO = :chave"));
        sql.ParamByName(QStringLiteral("chave")).SetInt64(selecionada);
        sql.ExecQuery();
        if (sql.Eof())
            throw EDatabaseError(QStringLiteral("Declaração não encontrada"));
        const Currency saldo =
            TruncaCentavos(sql.Fields(5).IsNull() ? Currency() : sql.Fields(5).AsCurrency());
        const Currency saldoST =
            TruncaCentavos(sql.Fields(6).IsNull() ? Currency() : sql.Fields(6).AsCurrency());
        const bool primeira = sql.Fields(7).IsNull();
        const int numero = primeira ? 1 : sql.Fields(7).AsInteger() + 1;
        const qint64 normal = sql.Fields(3).AsString() == QStringLiteral("S") && !sql.Fields(4).IsNull()
                                  ? sql.Fields(4).AsInt64()
                                  : selecionada;
        sql.Close();
        nova = DMDefGeral->ProximoSequencial(3).toInt();

        sql.SetSQLText(QStringLiteral(
            "INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
            "ME_REFERENCIA, "
            "SQ_DECLARACAO_RETIFICA, NU_RETIFICADORA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_ALC_ZFM_SEM_MOV, "
            "IN_OUTROS_ICMS_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OPER_PROP_SEM_MOV, IN_BAIXA_CONTRIBUINTE, "
            "VL_SALDO_ANTERIOR, VL_SALDO_ANTERIOR_ST, COMERRO, DT_VALIDACAO, NO_REPRESENTANTE_LEGAL, "
            "NU_DDD_REPRESENTANTE_LEGAL, NU_TEL_REPRESENTANTE_LEGAL, NO_CONTABILISTA, NU_DDD_CONTABILISTA, "
            "NU_TEL_CONTABILISTA, VL_IPI_SAIDAS, VL_ESTOQUE_FINAL, VL_SCE_ANTERIOR, "
            "VL_SCE_CREDITO_ICMS_ENERGIA, "
            "VL_SCE_ESTORNO_PROVISAO, VL_SCE_PROVISAO) "
            "SELECT CAST(:nova AS INTEGER), NU_INSCRICAO, AN_REFERENCIA, ME_REFERENCIA, CAST(:normal AS "
            "INTEGER), "
            "CAST(:numero AS INTEGER), 'S', 'M', "
            "IN_ALC_ZFM_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OPER_PROP_SEM_MOV, 'N', "
            "CAST(:saldo AS NUMERIC(18,4)), CAST(:saldost AS NUMERIC(18,4)), COMERRO, NULL, "
            "NO_REPRESENTANTE_LEGAL, NU_DDD_REPRESENTANTE_LEGAL, "
            "NU_TEL_REPRESENTANTE_LEGAL, NO_CONTABILISTA, NU_DDD_CONTABILISTA, NU_TEL_CONTABILISTA, "
            "VL_IPI_SAIDAS, VL_ESTOQUE_FINAL, VL_SCE_ANTERIOR, VL_SCE_CREDITO_ICMS_ENERGIA, "
            "VL_SCE_ESTORNO_PROVISAO, VL_SCE_PROVISAO FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = "
            ":selecionada"));
        sql.ParamByName(QStringLiteral("nova")).SetInteger(nova);
        sql.ParamByName(QStringLiteral("normal")).SetInt64(normal);
        sql.ParamByName(QStringLiteral("numero")).SetInteger(numero);
        sql.ParamByName(QStringLiteral("saldo")).SetCurrency(saldo);
        sql.ParamByName(QStringLiteral("saldost")).SetCurrency(saldoST);
        sql.ParamByName(QStringLiteral("selecionada")).SetInt64(selecionada);
        sql.ExecQuery();

        if (copiaValores) {
            copiando = true;
            // Each detail row is copied by the database itself, every column
            // with its exact value (nulls stay null), under the new key.
            for (const QString& tabela : DeclarationDetailTables()) {
                if (!DMDefGeral->AbreConsulta(QStringLiteral("SELECT * FROM ") + tabela +
                                              QStringLiteral(" WHERE SQ_DECLARACAO = -1"))) {
                    MsgErro(RuleMessages::Text(RuleMessages::QueryFailed));
                    throw EDatabaseError(tabela);
                }
                QStringList colunas;
                QStringList valores;
                for (TField* field : DMDefGeral->cdsAuxiliar->Fields()) {
                    colunas << field->FieldName();
                    valores << (field->FieldName() == QStringLiteral("SQ_DECLARACAO")
                                    ? QStringLiteral("CAST(:nova AS INTEGER)")
                                    : field->FieldName());
                }
                sql.SetSQLText(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE SQ_DECLARACAO = "
                                              ":selecionada")
                                   .arg(tabela, colunas.join(QStringLiteral(" , ")),
                                        valores.join(QStringLiteral(" , "))));
                sql.ParamByName(QStringLiteral("nova")).SetInteger(nova);
                sql.ParamByName(QStringLiteral("selecionada")).SetInt64(selecionada);
                sql.ExecQuery();
            }
        }
        transacao.Commit();
    } catch (const std::exception&) {
        MsgErro(copiando
                    ? QStringLiteral("Não foi possível gerar a declaração retificadora automaticamente !")
                    : QStringLiteral("Erro na Inclusão da Declaracao !"));
        return std::nullopt;
    }
    return DeclarationKey(nova);
}
