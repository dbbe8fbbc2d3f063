#include "declarations/transmission/TransmissionGenerator.h"

#include "declarations/transmission/ETransmissionError.h"
#include "declarations/transmission/TransmissionEncoder.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"
#include "platform/os/Leftovers.h"
#include "platform/os/Windows1252LineWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace TransmissionFormat;

namespace {

const QString DeclarationTable = QStringLiteral("DECLARACAO_ECONOMICO_FISCAL");
const QString KeyColumn = QStringLiteral("SQ_DECLARACAO");
// The counter of transmissions in PARAMETROS_DEF.
constexpr int TransmissionCounter = 17;

// A name as an SQL identifier (names here come from the database's own catalogue).
QString Quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// A file in the destination's folder that nobody else names: "." + the
// destination's name + "." + 16 hexadecimal digits + ".tmp".
QString TemporaryPath(const QString& path) {
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                   .arg(info.fileName())
                                   .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
}

const QString TemporaryPattern = QStringLiteral("\\..+\\.[0-9a-f]{16}\\.tmp");

} // namespace

// The declaration row the run needs besides the layout's columns.
struct TransmissionGenerator::Declaration {
    DeclarationKey key{0};
    int month = 0;
    int year = 0;
    QString rectifying;
    QString periodicity;
    QVariant email;
    QVariant taxpayerEmail;
};

TransmissionGenerator::TransmissionGenerator(TIBDatabase& database)
    : m_database(database), m_transaction(std::make_unique<TIBTransaction>()) {
    m_transaction->SetDefaultDatabase(&database);
    // One consistent view of every row written, and the writes of the run.
    m_transaction->SetParams(
        {QStringLiteral("concurrency"), QStringLiteral("nowait"), QStringLiteral("write")});
}

TransmissionGenerator::~TransmissionGenerator() {
    // Statements go before their transaction.
    m_readers.clear();
    m_statements.clear();
}

TIBSQL& TransmissionGenerator::Statement(const QString& sql) {
    std::unique_ptr<TIBSQL>& statement = m_statements[sql];
    if (!statement) {
        statement = std::make_unique<TIBSQL>();
        statement->SetDatabase(&m_database);
        statement->SetTransaction(m_transaction.get());
        statement->SetSQLText(sql);
    }
    statement->Close();
    return *statement;
}

QStringList TransmissionGenerator::Columns(const QString& table) {
    TIBSQL& q = Statement(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS "
                                         "WHERE RDB$RELATION_NAME = ? ORDER BY RDB$FIELD_POSITION"));
    q.Params(0).SetString(table);
    QStringList columns;
    for (q.ExecQuery(); !q.Eof(); q.Next())
        columns << q.Fields(0).AsString();
    q.Close();
    return columns;
}

std::vector<RecordLayout> TransmissionGenerator::ReadLayout() {
    TransactionScope scope(*m_transaction);
    std::vector<RecordLayout> layouts = LoadLayout();
    scope.Commit();
    return layouts;
}

std::vector<RecordLayout> TransmissionGenerator::LoadLayout() {
    std::vector<RecordLayout> layouts;
    TIBSQL& q = Statement(QStringLiteral(
        "SELECT T.NU_ORDEM, T.NO_TABELA, C.NO_CAMPO, C.TP_CAMPO, C.NU_TAMANHO_CAMPO, C.NU_CASAS_DECIMAIS "
        "FROM TABELAS_DEF T JOIN CAMPOS_DEF C ON C.SQ_TABELA = T.SQ_TABELA "
        "WHERE T.NU_ORDEM BETWEEN ? AND ? ORDER BY T.NU_ORDEM, C.NU_ORDEM"));
    q.Params(0).SetInteger(FirstRecordType);
    q.Params(1).SetInteger(LastRecordType);
    for (q.ExecQuery(); !q.Eof(); q.Next()) {
        const int type = q.Fields(0).AsInteger();
        if (layouts.empty() || layouts.back().RecordType != type) {
            layouts.emplace_back();
            layouts.back().RecordType = type;
            layouts.back().Table = q.Fields(1).AsString().trimmed();
        }
        const QString kind = q.Fields(3).AsString();
        layouts.back().Fields.push_back({q.Fields(2).AsString().trimmed(),
                                         kind.isEmpty() ? QChar() : kind.at(0), q.Fields(4).AsInteger(),
                                         q.Fields(5).AsInteger()});
    }
    q.Close();

    std::vector<RecordLayout> ordered;
    for (int type = FirstRecordType; type <= LastRecordType; type += RecordTypeStep) {
        auto it = std::find_if(layouts.begin(), layouts.end(),
                               [type](const RecordLayout& layout) { return layout.RecordType == type; });
        if (it == layouts.end())
            throw ETransmissionError(QStringLiteral("The layout has no fields for record %1").arg(type));
        it->Check();
        const QStringList columns = Columns(it->Table.toUpper());
        if (columns.isEmpty())
            throw ETransmissionError(QStringLiteral("Record %1 reads the table %2, which does not exist")
                                         .arg(type)
                                         .arg(it->Table));
        auto actual = [&columns](const QString& name) {
            for (const QString& column : columns)
                if (column.compare(name, Qt::CaseInsensitive) == 0)
                    return column;
            return QString();
        };
        if (actual(KeyColumn).isEmpty())
            throw ETransmissionError(
                QStringLiteral("Record %1: the table %2 has no %3").arg(type).arg(it->Table, KeyColumn));
        it->Table = it->Table.toUpper();
        for (LayoutField& field : it->Fields) {
            const QString column = actual(field.Column);
            if (column.isEmpty())
                throw ETransmissionError(QStringLiteral("Record %1: the table %2 has no column %3")
                                             .arg(type)
                                             .arg(it->Table, field.Column));
            field.Column = column;
        }
        ordered.push_back(*it);
    }
    return ordered;
}

void TransmissionGenerator::PrepareReaders(const std::vector<RecordLayout>& layouts) {
    m_readers.clear();
    for (const RecordLayout& layout : layouts) {
        QStringList columns;
        for (const LayoutField& field : layout.Fields)
            columns << Quoted(field.Column);
        auto reader = std::make_unique<TIBSQL>();
        reader->SetDatabase(&m_database);
        reader->SetTransaction(m_transaction.get());
        // The rows come in the order the database returns them.
        reader->SetSQLText(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                               .arg(columns.join(QStringLiteral(", ")), Quoted(layout.Table), KeyColumn));
        reader->Prepare();
        m_readers.push_back(std::move(reader));
    }
}

TransmissionGenerator::Declaration TransmissionGenerator::ReadDeclaration(DeclarationKey key) {
    TIBSQL& q = Statement(QStringLiteral(
        "SELECT D.ME_REFERENCIA, D.AN_REFERENCIA, D.IN_RETIFICADORA, D.IN_PERIODICIDADE, D.DT_VALIDACAO, "
        "D.COMERRO, D.NO_CORREIO_ELETRONICO, C.NO_CORREIO_ELETRONICO "
        "FROM DECLARACAO_ECONOMICO_FISCAL D JOIN CONTRIBUINTE C ON C.NU_INSCRICAO = D.NU_INSCRICAO "
        "WHERE D.SQ_DECLARACAO = ?"));
    q.Params(0).SetInt64(key.Value());
    q.ExecQuery();
    if (q.Eof())
        throw ETransmissionError(QStringLiteral("Declaration %1 does not exist").arg(key.Value()));
    if (q.Fields(4).IsNull() || q.Fields(5).AsString() != QLatin1String("N"))
        throw ETransmissionError(
            QStringLiteral("Declaration %1 is not validated without errors").arg(key.Value()));
    Declaration d;
    d.key = key;
    d.month = q.Fields(0).AsInteger();
    d.year = q.Fields(1).AsInteger();
    d.rectifying = q.Fields(2).AsString();
    d.periodicity = q.Fields(3).AsString();
    d.email = q.Fields(6).AsVariant();
    d.taxpayerEmail = q.Fields(7).AsVariant();
    q.Close();
    return d;
}

void TransmissionGenerator::WriteDeclaration(const Declaration& declaration, const QDate& today) {
    QVariantList row;
    QString line;
    for (std::size_t t = 0; t < m_layouts.size(); ++t) {
        const RecordLayout& layout = m_layouts[t];
        TIBSQL& reader = *m_readers[t];
        const int fields = static_cast<int>(layout.Fields.size());
        row.resize(fields);
        reader.Params(0).SetInt64(declaration.key.Value());
        if (layout.Table != DeclarationTable) {
            for (reader.ExecQuery(); !reader.Eof(); reader.Next()) {
                for (int i = 0; i < fields; ++i)
                    row[i] = reader.Fields(i).AsVariant();
                m_encoder->Detail(layout, row, line);
                m_file->WriteLine(line);
            }
            reader.Close();
            continue;
        }
        // The declaration's own lines carry the e-mail it held: the refreshed
        // one goes out with the next generation.
        std::vector<QVariantList> rows;
        for (reader.ExecQuery(); !reader.Eof(); reader.Next()) {
            for (int i = 0; i < fields; ++i)
                row[i] = reader.Fields(i).AsVariant();
            rows.push_back(row);
        }
        reader.Close();
        RefreshEmail(declaration);
        for (const QVariantList& each : rows) {
            m_encoder->Detail(layout, each, line);
            m_file->WriteLine(line);
        }
    }
    m_encoder->EndDeclaration();
    TIBSQL& stamp = Statement(
        QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_TRANSMISSAO = ? WHERE SQ_DECLARACAO = ?"));
    stamp.Params(0).SetDate(today);
    stamp.Params(1).SetInt64(declaration.key.Value());
    stamp.ExecQuery();
}

void TransmissionGenerator::RefreshEmail(const Declaration& declaration) {
    if (!declaration.taxpayerEmail.isValid() ||
        declaration.taxpayerEmail.toString() == declaration.email.toString())
        return;
    TIBSQL& update = Statement(QStringLiteral(
        "UPDATE DECLARACAO_ECONOMICO_FISCAL SET NO_CORREIO_ELETRONICO = ? WHERE SQ_DECLARACAO = ?"));
    update.Params(0).SetString(declaration.taxpayerEmail.toString());
    update.Params(1).SetInt64(declaration.key.Value());
    update.ExecQuery();
}

void TransmissionGenerator::RecordTransmission(const std::vector<Declaration>& declarations,
                                               const QDate& today) {
    TIBSQL& counter =
        Statement(QStringLiteral("SELECT VL_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = ?"));
    counter.Params(0).SetInteger(TransmissionCounter);
    counter.ExecQuery();
    if (counter.Eof())
        throw ETransmissionError(QStringLiteral("PARAMETROS_DEF has no counter %1").arg(TransmissionCounter));
    const std::int64_t transmission = counter.Fields(0).AsCurrency().raw() / Currency::Scale + 1;
    counter.Close();

    TIBSQL& next =
        Statement(QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = ? WHERE ID_PARAMETRO = ?"));
    next.Params(0).SetInt64(transmission);
    next.Params(1).SetInteger(TransmissionCounter);
    next.ExecQuery();

    TIBSQL& insert = Statement(
        QStringLiteral("INSERT INTO TRANSMISSAO_DEF (SQ_TRANSMISSAO, DT_TRANSMISSAO) VALUES (?, ?)"));
    insert.Params(0).SetInt64(transmission);
    insert.Params(1).SetDate(today);
    insert.ExecQuery();

    TIBSQL& each = Statement(QStringLiteral(
        "INSERT INTO DECLARACAO_TRANSMITIDA (SQ_TRANSMISSAO, SQ_DECLARACAO_TRANSMITIDA, ME_REFERENCIA, "
        "AN_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const Declaration& d : declarations) {
        each.Params(0).SetInt64(transmission);
        each.Params(1).SetInt64(d.key.Value());
        each.Params(2).SetInteger(d.month);
        each.Params(3).SetInteger(d.year);
        each.Params(4).SetString(d.rectifying);
        each.Params(5).SetString(d.periodicity);
        each.ExecQuery();
    }
}

void TransmissionGenerator::Run(const QString& temporary, const std::vector<DeclarationKey>& keys,
                                const QString& version, const QDateTime& moment) {
    m_layouts = LoadLayout();
    PrepareReaders(m_layouts);
    m_encoder = std::make_unique<TransmissionEncoder>();
    m_file = std::make_unique<Windows1252LineWriter>(temporary);
    m_file->WriteLine(m_encoder->Header(moment, version));
    std::vector<Declaration> declarations;
    for (const DeclarationKey key : keys) {
        declarations.push_back(ReadDeclaration(key));
        WriteDeclaration(declarations.back(), moment.date());
    }
    m_file->WriteLine(m_encoder->Trailer());
    m_file->Close();
    RecordTransmission(declarations, moment.date());
}

void TransmissionGenerator::Generate(const QString& path, const std::vector<DeclarationKey>& keys,
                                     const QString& version, const QDateTime& moment, bool replace) {
    if (keys.empty())
        throw ETransmissionError(QStringLiteral("No declaration to generate"));
    if (QFileInfo::exists(path) && !replace)
        throw ETransmissionError(QStringLiteral("%1 exists").arg(path));
    // The partial files of a killed run into this folder go now.
    Leftovers::Remove(QFileInfo(path).absolutePath(), TemporaryPattern);
    const QString temporary = TemporaryPath(path);
    // Whatever ends the run, nothing of it stays open, and on failure no file of it remains.
    auto release = [this] {
        m_readers.clear();
        m_file.reset();
    };
    try {
        TransactionScope scope(*m_transaction);
        Run(temporary, keys, version, moment);
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
            throw ETransmissionError(QStringLiteral("Cannot name the file %1: %2")
                                         .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        try {
            scope.Commit();
        } catch (...) {
            QFile::remove(path);
            throw;
        }
    } catch (...) {
        release();
        QFile::remove(temporary);
        throw;
    }
    release();
}
