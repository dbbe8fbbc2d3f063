#pragma once
// Register windows keep the apostrophe out of every text they take: a typed
// apostrophe is swallowed (FormKeyPress), and text that arrives otherwise
// (pasted, dropped) loses its apostrophes as it enters an edit or memo. The
// rule is a courtesy to the user: the program's SQL binds or quotes every
// value anyway.

#include <QChar>

class TWinControl;

class ApostropheGuard {
public:
    static bool IsApostrophe(QChar key) { return key == QLatin1Char('\''); }
    // Swallows an apostrophe key (sets it to the null character).
    static void Swallow(QChar& key);
    // Strips apostrophes from whatever text reaches the unmasked edits and
    // the memos inside `root` (their own OnChange still runs afterwards).
    static void Install(TWinControl* root);
};
