#pragma once
// The folder dialog, asked through the current prompter like every other
// question to the user.

#include <QString>

// Asks for a folder, starting at root, under the caption. True with the
// chosen folder in `directory`; false when the user cancelled, leaving
// `directory` as it was.
bool SelectDirectory(const QString& caption, const QString& root, QString& directory);
