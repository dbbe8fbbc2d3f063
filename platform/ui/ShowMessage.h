#pragma once
// A plain message: the application's title as caption, the text, an OK
// button and no icon, shown through the prompter.

#include <QString>

void ShowMessage(const QString& text);
