#pragma once
// Splits an SQL script into statements the way isql reads it: statements end
// at the terminator (";" until a "SET TERM <new> <old>" changes it), comments
// (-- to the end of the line, /* ... */) are dropped, and nothing inside quoted
// text ('...' or "...") ends a statement. COMMIT statements are told apart so
// that the runner commits there; isql's own settings (SET SQL DIALECT,
// SET NAMES, SET AUTODDL) are left out.

#include <QList>
#include <QString>

class TSQLScript {
public:
    enum class Kind { Statement, Commit };

    struct Item {
        Kind kind = Kind::Statement;
        QString text; // without the terminator and the comments
        int line = 0; // line of the script where the statement starts (1-based)
    };

    // Raises EDatabaseError for quoted text or a comment left open at the end.
    static QList<Item> Split(const QString& script);
};
