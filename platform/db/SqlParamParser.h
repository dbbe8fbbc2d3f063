#pragma once
// Finds the parameters of an SQL text: ":NAME" and "?" outside quoted text
// ('...' and "...") and comments (-- to the end of the line, /* ... */), and
// gives the text the engine takes, with every parameter written "?".

#include <QString>
#include <QStringList>

class SqlParamParser {
public:
    struct Result {
        QString positionalText;
        // One entry per "?" of positionalText, in order: the parameter's name
        // as written (without the colon), or "" for a positional "?".
        QStringList markers;
    };

    static Result Parse(const QString& text);
};
