#pragma once
// Writes the transmission file of a list of declarations and records the
// transmission in the database, all or nothing.
//
// The run reads the layout (TABELAS_DEF, CAMPOS_DEF) and every declaration's
// rows in one snapshot transaction, writes the lines into a temporary file
// beside the destination, and in the same transaction refreshes each
// declaration's e-mail from its taxpayer, stamps DT_TRANSMISSAO and inserts
// the TRANSMISSAO_DEF row (key from parameter 17) and one
// DECLARACAO_TRANSMITIDA row per declaration. Only when the file is
// complete, synced and closed does it take the destination's name, and only
// then is the transaction committed. Any failure rolls the transaction back
// and removes the file: no declaration is stamped without its file and no
// partial file stays behind; what a killed run left in the destination's
// folder goes at the next run into that folder. What the run refuses (a
// declaration, a layout or a value it cannot write, a destination it may not
// take) raises ETransmissionError; a failure of the database or of the file
// comes as the exception of its own kind (EIBError, Exception), unchanged.
//
// Each declaration must be validated without errors (DT_VALIDACAO set,
// COMERRO "N"). The layout must name existing tables with a SQ_DECLARACAO
// column and existing columns, and pass RecordLayout::Check.

#include "core/data/DeclarationKey.h"
#include "declarations/transmission/TransmissionLayout.h"

#include <QDateTime>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class TIBDatabase;
class TIBSQL;
class TIBTransaction;
class TransmissionEncoder;
class Windows1252LineWriter;

class TransmissionGenerator {
public:
    explicit TransmissionGenerator(TIBDatabase& database);
    ~TransmissionGenerator();
    TransmissionGenerator(const TransmissionGenerator&) = delete;
    TransmissionGenerator& operator=(const TransmissionGenerator&) = delete;

    // Writes `path` with the declarations in the order of `keys`, the header
    // stamped with `moment` and `version`, and records the transmission on
    // the day of `moment`. An existing file at `path` is an error unless
    // `replace`; it is replaced only when the whole run succeeds.
    void Generate(const QString& path, const std::vector<DeclarationKey>& keys, const QString& version,
                  const QDateTime& moment, bool replace);

    // The checked layout of the record types, in their order.
    std::vector<RecordLayout> ReadLayout();

private:
    struct Declaration;

    std::vector<RecordLayout> LoadLayout();
    void Run(const QString& temporary, const std::vector<DeclarationKey>& keys, const QString& version,
             const QDateTime& moment);
    Declaration ReadDeclaration(DeclarationKey key);
    void WriteDeclaration(const Declaration& declaration, const QDate& today);
    // The taxpayer's e-mail onto the declaration, when it has another.
    void RefreshEmail(const Declaration& declaration);
    void RecordTransmission(const std::vector<Declaration>& declarations, const QDate& today);
    // Columns of a table as the database names them (empty when there is no such table).
    QStringList Columns(const QString& table);
    void PrepareReaders(const std::vector<RecordLayout>& layouts);
    // The statement of the text, prepared once for the generator's life.
    TIBSQL& Statement(const QString& sql);

    TIBDatabase& m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
    std::map<QString, std::unique_ptr<TIBSQL>> m_statements;
    std::vector<RecordLayout> m_layouts;
    std::vector<std::unique_ptr<TIBSQL>> m_readers;
    std::unique_ptr<TransmissionEncoder> m_encoder;
    std::unique_ptr<Windows1252LineWriter> m_file;
};
