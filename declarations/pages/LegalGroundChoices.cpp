#include "declarations/pages/LegalGroundChoices.h"

#include "components/data/TDBComboValues.h"
#include "platform/db/DisabledControls.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

namespace {
const QString Chave = QStringLiteral("SQ_OCORRENCIA_DEF");
} // namespace

void LegalGroundChoices::Fill(TDBComboValues* combo, TClientDataSet* grounds) {
    QStringList codigos;
    QStringList chaves;
    {
        DisabledControls parado(*grounds);
        grounds->SetIndexFieldNames(QString());
        try {
            TField* codigo = grounds->FieldByName(QStringLiteral("Codigo"));
            TField* chave = grounds->FieldByName(Chave);
            for (grounds->First(); !grounds->Eof(); grounds->Next()) {
                codigos << codigo->AsString();
                chaves << chave->AsString();
            }
            grounds->First();
        } catch (...) {
            grounds->SetIndexFieldNames(Chave);
            throw;
        }
        grounds->SetIndexFieldNames(Chave);
    }
    combo->SetValues(chaves);
    combo->SetItems(codigos);
}
