#pragma once
// The rule messages of the program: each code's text is stored in
// TIPO_ERRO_DECLARACAO (read through DMDefGeral.cdsAuxiliar), and a rule that
// fails shows its message and aborts the operation silently.

#include <QString>
#include <QStringList>

namespace RuleMessages {

// A query of the program failed.
inline constexpr int QueryFailed = 300;

// The stored text of message `code`: empty when there is none, a fixed text
// when the table cannot be read, and a "no connection" box (and empty) when
// the database is closed.
QString Text(int code);

// Shows `text` as an error and aborts silently (EAbort).
[[noreturn]] void Refuse(const QString& text);
// Shows the stored text of `code` as an error and aborts silently.
[[noreturn]] void Refuse(int code);

// Runs `sql` on DMDefGeral.cdsAuxiliar; refuses with QueryFailed when it fails.
void Query(const QStringList& sql);

} // namespace RuleMessages
