#pragma once
// Wildcard patterns of file lists and folder searches, matched without
// regard to case:
//   *        any run of characters, also none
//   ?        any one character
//   <abc>    one character of the set; ranges as <a-f>; <^...> or <!...>
//            negates; a set without its closing > never matches
// Any other character stands for itself.

#include <QString>

class Wildcard {
public:
    // True when text holds any of the wildcard characters * ? < > |.
    static bool IsPattern(const QString& text);
    static bool Matches(const QString& pattern, const QString& text);
};
