#pragma once
// The common shape of the pages that record what happened to accumulated
// export credit balances in the month: each row names a purpose (a legal
// ground of the page's occurrence kind, chosen only while the row is
// inserted), an amount and a complementary datum whose format the purpose
// dictates; some pages add the invoice, the other party's state registration
// and the administrative process.
//
// The pages differ in their fields and in their row rules: each page posts
// through its own BeforePost, built from the checks below, each of which
// shows its message, focuses the offending control and aborts silently.

#include "declarations/pages/GridPage.h"

class TDBComboValues;
class TDBText;
class TDataSet;

class CreditBalancePage : public GridPage {
    Q_OBJECT
public:
    struct Shape {
        QString formName, caption, dataSourceName;
        QStringList help;
        int purposeKind;          // TP_OCORRENCIA of the purposes offered
        QString purposeComboName; // dbcvCFOPs, dbcvFinalidades on the transfer page
        QString amountField, amountEditName, amountCaption;
        int amountMaxLength = 0;
        QString observationField = QStringLiteral("TX_OBSERVACAO");
        bool invoice = false;
        QString registrationEditName, registrationCaption; // none when empty
        bool process = false;
        bool destination = false; // the transfer page's second purpose
    };

    CreditBalancePage(TComponent* owner, TClientDataSet* rows, const Shape& shape);

    void PreparaQuadro() override;
    void FormClose(TObject* sender, TCloseAction& action);
    void dsStateChange(TObject* sender);
    void fraMidasNavigator1NewRecord(TDataSet* dataSet);
    void fraMidasNavigator1BeforeInsert(TDataSet* dataSet);

    TDBComboValues* dbcvCFOPs; // the (origin) purpose
    TDBComboValues* dbcvDestinatario = nullptr;
    TDBEdit* dbeSerieNotaFiscal = nullptr;
    TDBEdit* dbeSubserieNotafiscal = nullptr;
    TDBEdit* dbeNumNotaFiscal = nullptr;
    TDBEdit* dbeInscricao = nullptr; // dbeNumInscricao, dbeNumInscRemetente or dbeNumInscDestinatario
    TDBEdit* dbeProcesso = nullptr;
    TDBEdit* dbeValor; // dbeVlCompensado, dbeVlSaldoRecebido or dbeVlSaldoTransferido
    TDBMemo* dbmObservacao;
    TDBMemo* dbmDescComplemento;
    TDBText* dbtComplemento1;
    TDataSource* dsFundamentos;
    TDataSource* dsFundamentosDest = nullptr;

protected:
    // The row rules of the page.
    virtual void fraMidasNavigator1BeforePost(TDataSet* dataSet) = 0;

    [[noreturn]] static void RefuseCode(int codigo, TWinControl* control);
    // The combo's text is one of its purposes (message 292).
    static void CheckPurpose(TDBComboValues* combo);
    // A null series is stored as one blank.
    static void BlankSeries(TDataSet* dataSet);
    // The invoice number is at least 1 (message 266).
    void CheckInvoiceNumber(TDataSet* dataSet);
    // The registration's check digit (message `codigo`).
    void CheckRegistration(TDataSet* dataSet, int codigo);
    // The amount is at least 0,01 (message `codigo`).
    void CheckAmount(TDataSet* dataSet, int codigo);
    // A typed process is checked and split into its three parts; an empty
    // one clears them.
    void CheckProcess(TDataSet* dataSet);
    // The datum against the type of the purpose on which `fundamentos` stands,
    // after `fundamentos` was positioned on the row's purpose.
    void CheckDatum(TDataSet* dataSet);

private:
    void BuildPurpose();
    void BuildDocumentFields();
    void BuildAmount();
    TClientDataSet* m_purposes;
    const Shape m_shape;
};
