#pragma once
// The data version: every connection compares the version the database
// carries (PARAMETROS_DEF parameter 1) with the program's, as plain texts.
// Older data are brought up to date by the updater once the user agrees;
// data older than the oldest supported version are refused.

#include <QString>

// The oldest data version the updater can bring up to date.
inline const QString OldestDataVersion = QStringLiteral("0.3.2.4");

// The program's version (its FileVersion), the version current data carry.
QString VersaoSistema();

// Set after a successful update; the main window reads it, says so and
// clears it.
extern bool DataUpdated;

// The check made after the program connects to the database file nomeBanco,
// whose data carry versaoDados. True lets the program go on: the data are
// current (or newer), or were updated now, in one pass, after which the user
// is told to start the program again (RestartMessage) and the main window
// ends the run once it has said so. False after a refusal, the user's No, or
// a failed update, each reported in a message box.
bool VerificaVersao(const QString& versaoDados, const QString& nomeBanco);

// The box texts shared by the check and the updater.
QString UnsupportedVersionMessage(const QString& versaoDados);
QString UnexpectedErrorMessage(const QString& mensagem);
// After an update: the data are at the program's version; press OK and
// start the program again.
QString RestartMessage();
