#pragma once
// Fixture declarations for tests and benchmarks, written straight to a
// database (normally a TempDatabase copy of the built one) with bound
// parameters, each call in a transaction of its own that is committed before
// it returns, so every data module and window sees the rows at once.
//
//     TempDatabase db;
//     DeclarationFixture fixture(db.Database());
//     fixture.Taxpayer();                                  // 12345674, valid CNPJ
//     fixture.AddDeclaration({.sq = 1, .ano = 2011, .mes = 1});
//     fixture.FillSmall(1);                                // rows in every detail table
//     fixture.AddEntry(1, 2102, {.contabil = Currency::fromUnits(100)});
//
// The big declaration (FillBig) is the one the performance figures are
// measured on: BigEntries entry rows (codes 1000 up), BigExits exit rows
// (codes 5000 up) and BigRowsPerTable rows in each of the six occurrence
// tables, other ICMS due and the four credit-balance tables.
//
// FillSmall gives every one of the sixteen detail tables of a declaration
// rows with distinct, known values (listed in DeclarationFixture.cpp), so
// that print-outs, summary pages and the transmission file have something in
// every section. Amounts keep their third and fourth decimals where the
// table says so, to show truncation.
//
// Legal grounds are found by their code (apuracao letter, kind, number) and
// inserted when the data lack them (LegalGround).

#include "platform/base/Currency.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

class TIBDatabase;
class TIBSQL;
class TIBTransaction;

class DeclarationFixture {
public:
    static constexpr int DefaultInscricao = 12345674;
    static constexpr int BigEntries = 2000;
    static constexpr int BigExits = 2000;
    static constexpr int BigRowsPerTable = 500;

    // A row of DECLARACAO_ECONOMICO_FISCAL. Texts left empty are stored as null.
    struct Declaration {
        int sq = 1;
        int inscricao = DefaultInscricao;
        int ano = 2011;
        int mes = 1;
        // "N" normal, "S" rectifying (with its number and the declaration it rectifies).
        QString retificadora = QStringLiteral("N");
        int nuRetificadora = 0;
        int sqRetifica = 0;
        // No-movement flags: "S" without movement, "N" with movement.
        QString semMovOperProp = QStringLiteral("N");
        QString semMovSubstTribut = QStringLiteral("N");
        QString semMovOutrosICMS = QStringLiteral("N");
        QString semMovAlcZfm = QStringLiteral("N");
        QString representante = QStringLiteral("Representante Teste");
        QString contabilista = QStringLiteral("Contabilista Teste");
        QString email{};
        QString observacao{};
        QString observacaoST{};
        Currency saldoAnterior{};
        Currency saldoAnteriorST{};
        Currency ipiSaidas{};
        Currency estoqueFinal{};
        Currency sceAnterior{};
        Currency sceCreditoEnergia{};
        Currency sceProvisao{};
        Currency sceEstornoProvisao{};
        QDate encerramento{};
        QDate validacao{};
        // "S" or "N"; empty for none.
        QString comErro{};
        QDate transmissao{};
    };

    // The seven amounts of an entry or exit row.
    struct Operation {
        Currency contabil{};
        Currency baseCalculo{};
        Currency imposto{};
        Currency isentas{};
        Currency outras{};
        Currency baseCalculoST{};
        Currency impostoRetidoST{};
    };

    // The eleven detail tables whose rows stand under a legal ground, by
    // their row-key and value columns.
    enum class Occurrences {
        OutroCredito,
        OutroDebito,
        EstornoCredito,
        EstornoDebito,
        Deducao,
        PrazoEspecial,
        OutroICMS,
        SCCompensado,
        SCTransferido,
        SCRecebido,
        SCCompProprio
    };

    explicit DeclarationFixture(TIBDatabase& database);
    ~DeclarationFixture();
    DeclarationFixture(const DeclarationFixture&) = delete;
    DeclarationFixture& operator=(const DeclarationFixture&) = delete;

    // Runs one statement with its parameters ("?" in order) and commits it.
    void Execute(const QString& sql, const QVariantList& params = {});
    // The first column of the first row of a query (invalid when none or null).
    QVariant Value(const QString& sql, const QVariantList& params = {});

    // A taxpayer with a valid registration and CNPJ.
    void Taxpayer(int inscricao = DefaultInscricao, const QString& razao = QStringLiteral("Empresa Teste"),
                  const QString& email = {});
    void AddDeclaration(const Declaration& declaration);

    // The key of the legal ground with this code; inserted (with a
    // description and no complementary data) when the data lack it.
    int LegalGround(char apuracao, int tipo, int numero);

    void AddEntry(int sq, int cfop, const Operation& values);
    void AddExit(int sq, int cfop, const Operation& values);
    // A row of one occurrence or credit-balance table, keyed `key` within the
    // declaration, with the amount under the legal ground `ocorrencia` and,
    // for the occurrence tables, complementary data 1 to 3.
    void AddOccurrence(Occurrences table, int sq, int key, int ocorrencia, Currency value,
                       const QStringList& complementos = {});
    // A row of a credit-balance table that names another taxpayer.
    void AddCreditBalance(Occurrences table, int sq, int key, int ocorrencia, Currency value, int inscricao);
    void AddInterstateEntry(int sq, int uf, Currency contabil, Currency baseCalculo, Currency outras,
                            Currency petroleoEnergia, Currency outrosProdutos);
    void AddInterstateExit(int sq, int uf, Currency contabilNaoContribuinte, Currency contabilContribuinte,
                           Currency baseNaoContribuinte, Currency baseContribuinte, Currency outras,
                           Currency impostoCobradoST);
    void AddFreeTradeExit(int sq, int nota, Currency valorNota, Currency isentas, const QDate& emissao = {});

    // Rows in every detail table of the declaration (see the .cpp).
    void FillSmall(int sq);
    // The big declaration of the performance figures.
    void FillBig(int sq);
    // Rows shaped like the big declaration's, in any number: entries with
    // codes from 1000, exits from 5000, `rowsPerTable` rows in each of the
    // eleven occurrence and credit-balance tables.
    void FillRows(int sq, int entries, int exits, int rowsPerTable);

    // The table, row-key column and value column of an occurrence table.
    static const char* TableName(Occurrences table);
    static const char* KeyColumn(Occurrences table);
    static const char* ValueColumn(Occurrences table);

private:
    void AddOperation(const char* table, int sq, int cfop, const Operation& values);
    // Runs an EXECUTE BLOCK that repeats `insert` `rows` times, :i from 0.
    void Repeat(int rows, const QString& insert);

    TIBDatabase& m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
    std::unique_ptr<TIBSQL> m_statement;
};
