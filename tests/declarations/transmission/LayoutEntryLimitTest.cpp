// Every text the user may type reaches the transmission file whole: no text
// column of the layout is narrower than the entry limit of the field the
// program edits it through (the size of the client set's field, which the
// data-aware edits take as their limit and the field itself enforces).

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/transmission/TransmissionGenerator.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

TEST(LayoutEntryLimitTest, EveryTextColumnHoldsWhatItsFieldAccepts) {
    TempDatabase banco(false);
    ScriptedPrompter prompter;
    TDMDefGeral geral;
    geral.ibDBDef->SetDatabaseName(banco.Path());
    geral.ibDBDef->Open();
    {
        TDMDefBasica basica;
        TDMDef def;
        TDMDefAux aux;
        const std::map<QString, std::vector<TDataSet*>> editedThrough{
            {QStringLiteral("DECLARACAO_ECONOMICO_FISCAL"), {def.cdsDeclaracao}},
            {QStringLiteral("ENTRADA_DECLARADA"), {def.cdsEntradas, def.cdsEntradasI}},
            {QStringLiteral("SAIDA_DECLARADA"), {def.cdsSaidas, def.cdsSaidasI}},
            {QStringLiteral("OUTRO_CREDITO_DECLARADO"), {def.cdsOutCreditos, def.cdsOutCreditosI}},
            {QStringLiteral("OUTRO_DEBITO_DECLARADO"), {def.cdsOutDebitos, def.cdsOutDebitosI}},
            {QStringLiteral("ESTORNO_CREDITO_DECLARADO"), {def.cdsEstCreditos, def.cdsEstCreditosI}},
            {QStringLiteral("ESTORNO_DEBITO_DECLARADO"), {def.cdsEstDebitos, def.cdsEstDebitosI}},
            {QStringLiteral("DEDUCAO_DECLARADA"), {def.cdsDeducoes, def.cdsDeducoesI}},
            {QStringLiteral("PRAZO_ESPECIAL_DECLARADO"), {def.cdsPrazosEsp, def.cdsPrazosEspI}},
            {QStringLiteral("ENTRADA_IE_DECLARADA"), {def.cdsEntradasInt}},
            {QStringLiteral("SAIDA_IE_DECLARADA"), {def.cdsSaidasInt}},
            {QStringLiteral("OUTRO_ICMS_DEVIDO"), {def.cdsOutICMS}},
            {QStringLiteral("SAIDA_ALC_DECLARADA"), {def.cdsALC}},
            {QStringLiteral("SALDO_CREDOR_COMP_PROPRIO"), {def.cdsSCCompProprio}},
            {QStringLiteral("SALDO_CREDOR_COMPENSADO"), {def.cdsSCCompensado}},
            {QStringLiteral("SALDO_CREDOR_TRANSFERIDO"), {def.cdsSCTransferido}},
            {QStringLiteral("SALDO_CREDOR_RECEBIDO"), {def.cdsSCRecebido}},
        };
        TransmissionGenerator gerador(*geral.ibDBDef);
        int checked = 0;
        for (const RecordLayout& layout : gerador.ReadLayout()) {
            const auto sets = editedThrough.find(layout.Table);
            ASSERT_NE(sets, editedThrough.end()) << layout.Table.toStdString();
            for (const LayoutField& field : layout.Fields) {
                if (field.Type != TransmissionFormat::TextField)
                    continue;
                for (TDataSet* set : sets->second) {
                    const TField* edited = set->FindField(field.Column);
                    ASSERT_NE(edited, nullptr)
                        << layout.Table.toStdString() << "." << field.Column.toStdString();
                    EXPECT_LE(edited->Size(), field.Width)
                        << layout.Table.toStdString() << "." << field.Column.toStdString() << " accepts "
                        << edited->Size() << " characters, the file holds " << field.Width;
                    ++checked;
                }
            }
        }
        EXPECT_GT(checked, 40);
        // The declaration's e-mail comes from the taxpayer register.
        EXPECT_LE(def.cdsContribuintes->FieldByName(QStringLiteral("NO_CORREIO_ELETRONICO"))->Size(),
                  def.cdsDeclaracao->FieldByName(QStringLiteral("NO_CORREIO_ELETRONICO"))->Size());
    }
    geral.ibDBDef->Close();
}
