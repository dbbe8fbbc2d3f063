// The data sections of the mirror, read through the text export: every
// group of every section with its rows and totals, the empty tables, the
// order of the rows, the rows left out, and the page header with the
// declaration's data.

#include "tests/declarations/reports/MirrorFixture.h"

#include "declarations/reports/TrptEspelhoZebOutICMS.h"
#include "platform/db/TIBQuery.h"

#include <QRegularExpression>

namespace {

using O = DeclarationFixture::Occurrences;

Currency Units(std::int64_t units) {
    return Currency::fromUnits(units);
}

// The lines of group `titulo` in a section's text, from the line after its
// title to its total line.
QStringList Grupo(const QString& texto, const QString& titulo) {
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    QStringList grupo;
    bool dentro = false;
    for (const QString& linha : linhas) {
        if (!dentro) {
            dentro = linha.trimmed() == titulo;
            continue;
        }
        grupo << linha;
        if (linha.trimmed().startsWith(QLatin1String("Total")))
            return grupo;
    }
    return {};
}

// The line of a group that holds `texto`.
QString Linha(const QStringList& grupo, const QString& texto) {
    for (const QString& linha : grupo)
        if (linha.contains(texto))
            return linha;
    return {};
}

// Texts separated by blanks only, in this order, on one line.
QRegularExpression EmLinha(const QStringList& textos) {
    QStringList partes;
    for (const QString& texto : textos)
        partes << QRegularExpression::escape(texto);
    return QRegularExpression(partes.join(QStringLiteral(" +")));
}

class MirrorDataSectionsTest : public MirrorFixture {
protected:
    QStringList Dados(std::initializer_list<const char*> caixas) {
        const Impressao impressao = ImprimeSecoes(false, caixas);
        EXPECT_TRUE(impressao.previsualizada);
        return impressao.paginas;
    }
};

TEST_F(MirrorDataSectionsTest, OwnOperationsPrintEntriesAndExitsInCodeOrderAndOccurrencesByKindAndNumber) {
    fixture->AddDeclaration({.sq = 1, .observacao = QStringLiteral("Observação do período")});
    fixture->AddEntry(1, 1403, {.contabil = Units(30), .imposto = Units(3)});
    fixture->AddEntry(1, 1102, {.contabil = Units(10), .imposto = Units(1)});
    fixture->AddEntry(1, 2102, {.contabil = Units(20), .imposto = Units(2)});
    fixture->AddExit(1, 6102, {.contabil = Units(50)});
    fixture->AddExit(1, 5102, {.contabil = Units(40)});
    fixture->AddOccurrence(O::OutroDebito, 1, 1, fixture->LegalGround('N', 2, 14), Units(7));
    fixture->AddOccurrence(O::OutroDebito, 1, 2, fixture->LegalGround('N', 2, 1), Units(5));
    Seleciona(1);
    const QString texto = Secao(Dados({"cbOpProprias"}), QStringLiteral("rptEspelhoZebOpProprias"));
    ASSERT_FALSE(texto.isEmpty());
    EXPECT_TRUE(texto.contains(QStringLiteral("Operações Próprias")));
    EXPECT_TRUE(texto.contains(EmLinha({QStringLiteral("Saldo Credor Anterior"), QStringLiteral("0,00")})));
    EXPECT_TRUE(
        texto.contains(EmLinha({QStringLiteral("Descrição"), QStringLiteral("Observação do período")})));

    const QStringList entradas = Grupo(texto, QStringLiteral("Entradas"));
    const QString colunas = entradas.join(QLatin1Char(' '));
    for (const char* titulo : {"CFOP", "Valor Contábil", "Base de Cálculo", "Imposto Creditado", "Outras"})
        EXPECT_TRUE(colunas.contains(QString::fromUtf8(titulo))) << titulo;
    const auto posicao = [](const QStringList& grupo, const QString& codigo) {
        for (int i = 0; i < grupo.size(); ++i)
            if (grupo[i].trimmed().startsWith(codigo))
                return i;
        return -1;
    };
    EXPECT_GE(posicao(entradas, QStringLiteral("1102")), 0);
    EXPECT_LT(posicao(entradas, QStringLiteral("1102")), posicao(entradas, QStringLiteral("1403")));
    EXPECT_LT(posicao(entradas, QStringLiteral("1403")), posicao(entradas, QStringLiteral("2102")));
    EXPECT_TRUE(entradas.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("60,00")})));
    const QStringList saidas = Grupo(texto, QStringLiteral("Saídas"));
    EXPECT_TRUE(saidas.join(QLatin1Char(' ')).contains(QStringLiteral("Imposto Debitado")));
    EXPECT_LT(posicao(saidas, QStringLiteral("5102")), posicao(saidas, QStringLiteral("6102")));
    EXPECT_TRUE(saidas.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("90,00")})));

    // Other debits: N020001 before N020014, whatever their keys; the third
    // column title as the section has always printed it.
    const QStringList debitos = Grupo(texto, QStringLiteral("Outros Débitos"));
    EXPECT_TRUE(debitos.join(QLatin1Char(' ')).contains(QStringLiteral("Desscrição")));
    EXPECT_GE(posicao(debitos, QStringLiteral("N020001")), 0);
    EXPECT_LT(posicao(debitos, QStringLiteral("N020001")), posicao(debitos, QStringLiteral("N020014")));
    EXPECT_TRUE(debitos.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("12,00")})));
}

TEST_F(MirrorDataSectionsTest, EveryGroupOfAnEmptyDeclarationPrintsItsHeaderAndAZeroTotal) {
    fixture->AddDeclaration({.sq = 1});
    Seleciona(1);
    const QStringList paginas = Dados(
        {"cbOpProprias", "cbSubTrib", "cbOutICMS", "cbOpInter", "cbZFM", "cbSCEAcumulado", "cbSCERecebido"});
    const struct {
        const char* secao;
        std::vector<const char*> grupos;
        int totais; // money columns of each group
    } secoes[] = {
        {"rptEspelhoZebOpProprias",
         {"Entradas", "Saídas", "Outros Créditos", "Outros Débitos", "Estornos Créditos", "Estornos Débitos",
          "Deduções", "Prazos Especiais"},
         1},
        {"rptEspelhoZebSubTributaria",
         {"Entradas", "Saídas", "Outros Créditos", "Outros Débitos", "Estornos Créditos", "Estornos Débitos",
          "Deduções", "Prazos Especiais"},
         1},
        {"rptEspelhoZebOutICMS", {"Outros ICMS Devidos"}, 1},
        {"rptEspelhoZebOpInter", {"Entradas Interestaduais", "Saídas Interestaduais"}, 5},
        {"rptEspelhoZebZFM", {"Notas Fiscais"}, 2},
        {"rptEspelhoZebSaldoCredorAcumulado",
         {"Compensações do Próprio", "Compensações entre Estabelecimentos", "Transferências"},
         1},
        {"rptEspelhoZebSaldoCredorRecebido", {"Saldo Recebido - Créditos Recebidos"}, 1},
    };
    for (const auto& secao : secoes) {
        const QString texto = Secao(paginas, QString::fromLatin1(secao.secao));
        ASSERT_FALSE(texto.isEmpty()) << secao.secao;
        for (const char* titulo : secao.grupos) {
            const QStringList grupo = Grupo(texto, QString::fromUtf8(titulo));
            ASSERT_FALSE(grupo.isEmpty()) << secao.secao << " " << titulo;
            const QString total = grupo.last();
            EXPECT_GE(total.count(QStringLiteral("0,00")), secao.totais) << secao.secao << " " << titulo;
            EXPECT_FALSE(total.contains(QRegularExpression(QStringLiteral("[1-9]"))))
                << secao.secao << " " << titulo;
            // Column titles only: no row between the header and the total.
            for (const QString& linha : grupo.mid(0, grupo.size() - 1))
                EXPECT_FALSE(linha.contains(QRegularExpression(QStringLiteral("\\d"))))
                    << secao.secao << " " << titulo << ": " << linha.toStdString();
        }
    }
}

TEST_F(MirrorDataSectionsTest, TaxSubstitutionLeavesOutRowsWithoutSubstitutionAmounts) {
    fixture->AddDeclaration(
        {.sq = 1, .observacaoST = QStringLiteral("Obs ST"), .saldoAnteriorST = Units(12)});
    fixture->AddEntry(1, 1102, {.contabil = Units(100), .imposto = Units(18)});
    fixture->AddEntry(1, 1403, {.contabil = Units(100), .baseCalculoST = Units(40)});
    fixture->AddEntry(1, 2102, {.contabil = Units(100), .impostoRetidoST = Units(7)});
    fixture->AddExit(1, 5102,
                     {.contabil = Units(100), .baseCalculoST = Units(50), .impostoRetidoST = Units(9)});
    fixture->AddExit(1, 5405, {.contabil = Units(100), .imposto = Units(18)});
    fixture->AddOccurrence(O::Deducao, 1, 1, fixture->LegalGround('S', 14, 1), Units(3));
    fixture->AddOccurrence(O::Deducao, 1, 2, fixture->LegalGround('N', 14, 1), Units(4));
    Seleciona(1);
    const QString texto = Secao(Dados({"cbSubTrib"}), QStringLiteral("rptEspelhoZebSubTributaria"));
    ASSERT_FALSE(texto.isEmpty());
    EXPECT_TRUE(texto.contains(EmLinha({QStringLiteral("Saldo Credor Anterior"), QStringLiteral("12,00")})));
    EXPECT_TRUE(texto.contains(QStringLiteral("Obs ST")));
    const QStringList entradas = Grupo(texto, QStringLiteral("Entradas"));
    EXPECT_TRUE(Linha(entradas, QStringLiteral("1102")).isEmpty());
    EXPECT_TRUE(Linha(entradas, QStringLiteral("1403"))
                    .contains(EmLinha({QStringLiteral("40,00"), QStringLiteral("0,00")})));
    EXPECT_TRUE(Linha(entradas, QStringLiteral("2102"))
                    .contains(EmLinha({QStringLiteral("0,00"), QStringLiteral("7,00")})));
    EXPECT_TRUE(entradas.join(QLatin1Char(' ')).contains(QStringLiteral("Imposto Creditado ST")));
    EXPECT_TRUE(entradas.last().contains(
        EmLinha({QStringLiteral("Total"), QStringLiteral("40,00"), QStringLiteral("7,00")})));
    const QStringList saidas = Grupo(texto, QStringLiteral("Saídas"));
    EXPECT_TRUE(saidas.join(QLatin1Char(' ')).contains(QStringLiteral("Imposto Debitado ST")));
    EXPECT_FALSE(Linha(saidas, QStringLiteral("5102")).isEmpty());
    EXPECT_TRUE(Linha(saidas, QStringLiteral("5405")).isEmpty());
    // Only the tax-substitution deduction.
    const QStringList deducoes = Grupo(texto, QStringLiteral("Deduções"));
    EXPECT_FALSE(Linha(deducoes, QStringLiteral("S140001")).isEmpty());
    EXPECT_TRUE(Linha(deducoes, QStringLiteral("N140001")).isEmpty());
    EXPECT_TRUE(deducoes.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("3,00")})));
}

TEST_F(MirrorDataSectionsTest,
       AnOccurrenceWhoseGroundHasNoHistoryInTheMonthIsLeftOutAndNoDescriptionIsCarriedOver) {
    fixture->AddDeclaration({.sq = 1, .ano = 2011, .mes = 3});
    // Grounds of other credits: valid from April 2011 only; valid up to
    // February 2011 only; valid in March with an older period before it; and
    // one without a description, printed after a described one.
    auto fundamento = [this](int numero, const char* descricao,
                             std::initializer_list<std::pair<const char*, const char*>> periodos) {
        const int sq =
            fixture->Value(QStringLiteral("SELECT MAX(SQ_OCORRENCIA_DEF) + 1 FROM FUNDAMENTACAO_LEGAL_DEF"))
                .toInt();
        fixture->Execute(
            QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, "
                           "TP_OCORRENCIA, NU_OCORRENCIA, DS_OCORRENCIA) VALUES (?, 'N', 7, ?, ?)"),
            {sq, numero, descricao ? QVariant(QString::fromUtf8(descricao)) : QVariant()});
        for (const auto& [inicio, fim] : periodos)
            fixture->Execute(
                QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, "
                               "DT_INICIO, DT_FIM) VALUES (?, ?, ?)"),
                {sq, QDate::fromString(QString::fromLatin1(inicio), Qt::ISODate),
                 fim ? QVariant(QDate::fromString(QString::fromLatin1(fim), Qt::ISODate)) : QVariant()});
        return sq;
    };
    const int futuro = fundamento(91, "Crédito futuro", {{"2011-04-01", nullptr}});
    const int passado = fundamento(92, "Crédito passado", {{"2010-01-01", "2011-02-28"}});
    const int vigente =
        fundamento(93, "Crédito vigente", {{"2009-01-01", "2011-02-28"}, {"2011-03-01", nullptr}});
    const int semDescricao = fundamento(94, nullptr, {{"2011-03-01", "2011-03-31"}});
    fixture->AddOccurrence(O::OutroCredito, 1, 1, futuro, Units(11));
    fixture->AddOccurrence(O::OutroCredito, 1, 2, passado, Units(22));
    fixture->AddOccurrence(O::OutroCredito, 1, 3, vigente, Units(33), {QStringLiteral("dado")});
    fixture->AddOccurrence(O::OutroCredito, 1, 4, semDescricao, Units(44));
    Seleciona(1);
    const QString texto = Secao(Dados({"cbOpProprias"}), QStringLiteral("rptEspelhoZebOpProprias"));
    const QStringList creditos = Grupo(texto, QStringLiteral("Outros Créditos"));
    ASSERT_FALSE(creditos.isEmpty());
    const QString grupo = creditos.join(QLatin1Char('\n'));
    EXPECT_FALSE(grupo.contains(QStringLiteral("11,00")));
    EXPECT_FALSE(grupo.contains(QStringLiteral("22,00")));
    EXPECT_FALSE(grupo.contains(QStringLiteral("Crédito futuro")));
    EXPECT_FALSE(grupo.contains(QStringLiteral("Crédito passado")));
    // The valid ground prints once, though it has two history rows.
    EXPECT_EQ(grupo.count(QStringLiteral("33,00")), 1);
    EXPECT_EQ(grupo.count(QStringLiteral("Crédito vigente")), 1);
    // The row without a description shows none, not the row before's.
    const QString sem = Linha(creditos, QStringLiteral("44,00"));
    EXPECT_TRUE(sem.contains(EmLinha({QStringLiteral("N070094"), QStringLiteral("44,00")})))
        << sem.toStdString();
    EXPECT_FALSE(sem.contains(QStringLiteral("Crédito")));
    EXPECT_TRUE(creditos.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("77,00")})));
}

TEST_F(MirrorDataSectionsTest, OtherIcmsInterstateAndFreeTradeRows) {
    DeclaracaoCompleta(1);
    const QStringList paginas = Dados({"cbOutICMS", "cbOpInter", "cbZFM"});
    const QStringList outros =
        Grupo(Secao(paginas, QStringLiteral("rptEspelhoZebOutICMS")), QStringLiteral("Outros ICMS Devidos"));
    EXPECT_TRUE(outros.join(QLatin1Char(' ')).contains(QStringLiteral("Valor Lançamento")));
    EXPECT_TRUE(Linha(outros, QStringLiteral("O350001")).contains(QStringLiteral("15,00")));
    EXPECT_TRUE(outros.join(QLatin1Char(' ')).contains(QStringLiteral("Legislação")));

    const QString inter = Secao(paginas, QStringLiteral("rptEspelhoZebOpInter"));
    EXPECT_TRUE(
        Grupo(inter, QStringLiteral("Entradas Interestaduais"))
            .join(QLatin1Char('\n'))
            .contains(EmLinha({QStringLiteral("SP"), QStringLiteral("500,56"), QStringLiteral("400,00"),
                               QStringLiteral("100,56"), QStringLiteral("10,00"), QStringLiteral("0,00")})));
    const QStringList saidas = Grupo(inter, QStringLiteral("Saídas Interestaduais"));
    // Contributors first, then non-contributors.
    EXPECT_TRUE(Linha(saidas, QStringLiteral("RJ"))
                    .contains(EmLinha({QStringLiteral("400,00"), QStringLiteral("300,00"),
                                       QStringLiteral("350,00"), QStringLiteral("250,00"),
                                       QStringLiteral("100,00"), QStringLiteral("27,00")})));

    const QStringList notas =
        Grupo(Secao(paginas, QStringLiteral("rptEspelhoZebZFM")), QStringLiteral("Notas Fiscais"));
    const QString colunas = notas.join(QLatin1Char(' '));
    for (const char* titulo :
         {"Nota Fiscal", "Número", "Sér.", "Sub.", "Município", "UF", "CNPJ do Destinatário"})
        EXPECT_TRUE(colunas.contains(QString::fromUtf8(titulo))) << titulo;
    EXPECT_TRUE(
        Linha(notas, QStringLiteral("123"))
            .contains(EmLinha({QStringLiteral("01/01/2011"), QStringLiteral("150,00"),
                               QStringLiteral("10,50"), QStringLiteral("Manaus"), QStringLiteral("AM"),
                               QStringLiteral("11.222.333/0001-81"), QStringLiteral("20.001.234-5")})));
    EXPECT_TRUE(notas.last().contains(
        EmLinha({QStringLiteral("Total"), QStringLiteral("150,00"), QStringLiteral("10,50")})));
}

TEST_F(MirrorDataSectionsTest, CreditBalancesShowPurposesProcessesAndBothEndsOfATransfer) {
    fixture->AddDeclaration({.sq = 1});
    fixture->AddOccurrence(O::SCCompProprio, 1, 1, fixture->LegalGround('E', 50, 1), Units(9));
    fixture->AddCreditBalance(O::SCCompensado, 1, 1, fixture->LegalGround('E', 58, 1), Units(4), 87654321);
    fixture->AddCreditBalance(O::SCTransferido, 1, 1, fixture->LegalGround('E', 52, 1), Units(6), 87654321);
    fixture->Execute(
        QStringLiteral("UPDATE SALDO_CREDOR_TRANSFERIDO SET SQ_OCORRENCIA_DEF_DESTINO = ?, "
                       "CO_PREF_PROCESSO = 'E04', NU_PROCESSO = '123456', NU_ANO_PROCESSO = 2010, "
                       "TX_OBSERVACAO_DESTINO = 'Para a filial' WHERE SQ_DECLARACAO = 1"),
        {fixture->LegalGround('E', 54, 7)});
    fixture->AddCreditBalance(O::SCRecebido, 1, 1, fixture->LegalGround('E', 56, 1), Units(8), 11111111);
    fixture->AddCreditBalance(O::SCRecebido, 1, 2, fixture->LegalGround('E', 56, 1), Units(2), 22222222);
    fixture->Execute(
        QStringLiteral("UPDATE SALDO_CREDOR_RECEBIDO SET CO_PREF_PROCESSO = 'E07', NU_PROCESSO = "
                       "'654321', NU_ANO_PROCESSO = 2009 WHERE SQ_SALDO_CREDOR_RECEBIDO = 1"));
    Seleciona(1);
    const QStringList paginas = Dados({"cbSCEAcumulado", "cbSCERecebido"});
    const QString acumulado = Secao(paginas, QStringLiteral("rptEspelhoZebSaldoCredorAcumulado"));
    EXPECT_TRUE(acumulado.contains(QStringLiteral("Saldo Credor de Exportação - Saldo Acumulado")));
    EXPECT_TRUE(
        Grupo(acumulado, QStringLiteral("Compensações do Próprio")).last().contains(QStringLiteral("9,00")));
    const QStringList estab = Grupo(acumulado, QStringLiteral("Compensações entre Estabelecimentos"));
    EXPECT_TRUE(Linha(estab, QStringLiteral("87.654.321"))
                    .contains(EmLinha({QStringLiteral("0001"), QStringLiteral("4,00")})));
    const QStringList transferencias = Grupo(acumulado, QStringLiteral("Transferências"));
    const QString transferencia = Linha(transferencias, QStringLiteral("87.654.321"));
    EXPECT_TRUE(transferencia.contains(EmLinha({QStringLiteral("0001"), QStringLiteral("6,00")})))
        << transferencia.toStdString();
    EXPECT_TRUE(transferencia.contains(EmLinha(
        {QStringLiteral("Para a filial"), QStringLiteral("E04-123456/2010"), QStringLiteral("0007")})))
        << transferencia.toStdString();

    const QString recebido = Secao(paginas, QStringLiteral("rptEspelhoZebSaldoCredorRecebido"));
    const QStringList recebidos = Grupo(recebido, QStringLiteral("Saldo Recebido - Créditos Recebidos"));
    EXPECT_TRUE(Linha(recebidos, QStringLiteral("11.111.111")).contains(QStringLiteral("E07-654321/2009")));
    // A row without a process shows none.
    const QString semProcesso = Linha(recebidos, QStringLiteral("22.222.222"));
    EXPECT_FALSE(semProcesso.contains(QLatin1Char('/')));
    EXPECT_FALSE(semProcesso.trimmed().endsWith(QLatin1Char('-')));
    EXPECT_TRUE(recebidos.last().contains(EmLinha({QStringLiteral("Total"), QStringLiteral("10,00")})));
}

TEST_F(MirrorDataSectionsTest, ThePageHeaderCarriesTheDeclarationAndItsType) {
    fixture->AddDeclaration({.sq = 1, .ano = 2011, .mes = 3});
    fixture->AddDeclaration({.sq = 2,
                             .ano = 2011,
                             .mes = 3,
                             .retificadora = QStringLiteral("S"),
                             .nuRetificadora = 2,
                             .sqRetifica = 1});
    Seleciona(1);
    const QString normal = Dados({"cbOutICMS"}).join(QLatin1Char('\f'));
    EXPECT_TRUE(normal.contains(EmLinha({QStringLiteral("Inscrição Estadual:"), QStringLiteral("12.345.674"),
                                         QStringLiteral("Razão Social:"), QStringLiteral("Empresa Teste")})));
    EXPECT_TRUE(normal.contains(
        EmLinha({QStringLiteral("CNPJ:"), QStringLiteral("11.222.333/0001-81"), QStringLiteral("Sequencial:"),
                 QStringLiteral("Normal"), QStringLiteral("Mês:"), QStringLiteral("03"),
                 QStringLiteral("Ano:"), QStringLiteral("2011")})));
    EXPECT_TRUE(normal.contains(QStringLiteral("Espelho da Zeb")));
    Seleciona(2);
    EXPECT_TRUE(Dados({"cbOutICMS"})
                    .join(QLatin1Char('\f'))
                    .contains(EmLinha({QStringLiteral("Sequencial:"), QStringLiteral("Retificadora [2]")})));
}

TEST_F(MirrorDataSectionsTest, ThePeriodKeyIsTheYearFollowedByTheMonthInTwoDigits) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 1});
    fixture->AddDeclaration({.sq = 2, .ano = 2004, .mes = 12});
    for (const auto& [sq, chave] : {std::pair{1, 200501}, std::pair{2, 200412}}) {
        Seleciona(sq);
        auto dialogo = Dialogo();
        TrptEspelhoZebOutICMS secao(dialogo.get());
        EXPECT_EQ(secao.ReferencePeriodKey(), 0);
        EXPECT_TRUE(dialogo->AbreQueryDeclaracao(secao.ibqDeclaracao));
        EXPECT_EQ(secao.ReferencePeriodKey(), chave);
        // The occurrence query takes it when it opens.
        EXPECT_FALSE(dialogo->AbreQueryDeclaracao(secao.ibqOutICMS));
        EXPECT_EQ(secao.ibqOutICMS->ParamByName(QStringLiteral("dt_periodo"))->AsInteger(), chave);
    }
}

} // namespace
