#pragma once
// A change the database refused while a client data set applied its change
// log: the engine's message and error code, handed to OnReconcileError.

#include "platform/base/Exceptions.h"

class EReconcileError : public EDatabaseError {
public:
    EReconcileError(QString message, int errorCode, QString context = QString())
        : EDatabaseError(std::move(message)), m_errorCode(errorCode), m_context(std::move(context)) {}
    // The engine's error code (isc_*), 0 when the refusal did not come from the engine.
    int ErrorCode() const { return m_errorCode; }
    // The statement or table the change was resolved to.
    const QString& Context() const { return m_context; }

private:
    int m_errorCode = 0;
    QString m_context;
};
