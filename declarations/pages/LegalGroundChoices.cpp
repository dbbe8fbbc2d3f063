#include "declarations/pages/LegalGroundChoices.h"

#include "components/data/TDBComboValues.h"
#include "platform/db/DisabledControls.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

namespace {
const QString GroundKey = QStringLiteral("SQ_OCORRENCIA_DEF");
} // namespace

void LegalGroundChoices::Fill(TDBComboValues* combo, TClientDataSet* grounds) {
    QStringList codigos;
    QStringList chaves;
    {
        DisabledControls parado(*grounds);
        grounds->SetIndexFieldNames(QString());
        try {
            TField* codigo = grounds->FieldByName(QStringLiteral("Codigo"));
            TField* chave = grounds->FieldByName(GroundKey);
            for (grounds->First(); !grounds->Eof(); grounds->Next()) {
                codigos << codigo->AsString();
                chaves << chave->AsString();
            }
            grounds->First();
        } catch (...) {
            grounds->SetIndexFieldNames(GroundKey);
            throw;
        }
        grounds->SetIndexFieldNames(GroundKey);
    }
    combo->SetValues(chaves);
    combo->SetItems(codigos);
}
