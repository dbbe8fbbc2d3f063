#pragma once
// An error reported by the Firebird engine. Message is the engine's text (all
// lines of its status vector); the codes stay on the exception so that callers
// can tell causes apart: IBErrorCode() is the first engine code (335544335
// "not a valid database", 335544344 I/O error, 335544665 unique key violation
// ...), SQLCode() the SQL code, ErrorCodes() every engine code in order.

#include "platform/base/Exceptions.h"

#include <QList>
#include <cstdint>

class EIBError : public EDatabaseError {
public:
    EIBError(QString message, int sqlCode, QList<std::int64_t> errorCodes);

    // Builds the exception from a failed call's status vector. `context`, when
    // not empty, goes before the engine's text on its own line.
    static EIBError FromStatus(const intptr_t* status, const QString& context = QString());
    // Raises FromStatus when the status vector holds an error.
    static void Check(const intptr_t* status, const QString& context = QString());

    int SQLCode() const { return m_sqlCode; }
    std::int64_t IBErrorCode() const { return m_errorCodes.isEmpty() ? 0 : m_errorCodes.first(); }
    const QList<std::int64_t>& ErrorCodes() const { return m_errorCodes; }
    bool HasErrorCode(std::int64_t code) const { return m_errorCodes.contains(code); }

private:
    int m_sqlCode = 0;
    QList<std::int64_t> m_errorCodes;
};
