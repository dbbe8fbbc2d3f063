#pragma once
// The page of the other ICMS due: rows under the grounds of kind 35, each
// with up to three complementary data. Besides the checks of every
// occurrence page, a date datum must fall in the reference month and agree
// with the kind of period of datum 2, an import names its declaration, and
// the kind of period of "O350014" is 1, 3 or 4.
//
// A new row of "O350006" or "O350007" offers its companion, the fund
// contribution due with it ("O350011", "O350009"), with the same data and
// an amount asked in TfrmDlgValorOcorrencia; the companion is applied with
// the row it accompanies, in the same transaction.

#include "declarations/pages/OccurrencePage.h"

#include "platform/base/Currency.h"
#include "platform/db/DBTypes.h"

class TfrmDetOutICMS : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOutICMS(TComponent* owner);

    void fraMidasNavigator1BeforePost(TDataSet* dataSet);
    void fraMidasNavigator1AfterPost(TDataSet* dataSet);
    void dbcvCFOPsExit(TObject* sender);
    void dsOutICMSDataChange(TObject* sender, TField* field);
    void dbeDadoComp2Enter(TObject* sender);
    void dbeDadoComp2Exit(TObject* sender);

    // The texts of the kind of period of "O350014".
    static const QString PeriodFormatText;
    static const QString InvalidPeriodText;

private:
    // The code the combo shows.
    QString ComboCode() const;
    bool IsImport() const;
    bool IsEditing() const;
    // Datum 2 of "O350014" is a kind of period 1, 3 or 4.
    bool PeriodKindValid(const QString& texto) const;
    // Inserts the companion row under `ocorrencia` with `valor` and the data
    // of the row just posted; a failure is shown and leaves that row alone.
    void InsertCompanion(int ocorrencia, Currency valor, bool comDado3);

    TDataSetState m_lastState = TDataSetState::dsInactive;
    bool m_insertingCompanion = false;
};
