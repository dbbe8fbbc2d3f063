#pragma once
// A rule on the characters a text box takes, held whichever way the text
// arrives: a typed key passes, is changed or is dropped (the rule answers
// the null character), and text that arrives otherwise (pasted, dropped,
// set by a field) goes through the same rule character by character.
// Control keys (backspace, tab, return) always pass. The rule is asked each
// time, so it may depend on the moment (the focused control, the chosen
// occurrence).
//
// The key and change handlers already bound keep running, after the rule.

#include <QChar>
#include <QString>
#include <functional>

class TComboBox;
class TEdit;

class TypedTextRule {
public:
    using Rule = std::function<QChar(QChar)>;

    // The text with every character through the rule.
    static QString Apply(const QString& text, const Rule& rule);
    static void Install(TEdit* edit, Rule rule);
    static void Install(TComboBox* combo, Rule rule);
};
