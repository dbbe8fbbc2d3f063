#pragma once
// Checks and mends the database DatabaseName through the engine's repair
// task (what gfix does). The options are the task's: ValidateDB, CheckDB
// (read-only check), MendDB (mark damaged structures as free), IgnoreChecksum,
// KillShadows, SweepDB, ValidateFull, LimboTransactions. The task's findings
// come as output lines.

#include "platform/db/TIBCustomService.h"

#include <QFlags>

class TIBValidationService : public TIBCustomService {
    Q_OBJECT
public:
    enum Option {
        ValidateDB = 0x01,
        SweepDB = 0x02,
        MendDB = 0x04,
        LimboTransactions = 0x08,
        CheckDB = 0x10,
        IgnoreChecksum = 0x20,
        KillShadows = 0x40,
        ValidateFull = 0x80,
    };
    Q_DECLARE_FLAGS(OptionSet, Option)

    explicit TIBValidationService(TComponent* owner = nullptr);

    const QString& DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name) { m_databaseName = name; }
    OptionSet Options() const { return m_options; }
    void SetOptions(OptionSet options) { m_options = options; }

    void ServiceStart() override;

private:
    QString m_databaseName;
    OptionSet m_options = ValidateDB;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TIBValidationService::OptionSet)
