#include "zip/Wildcard.h"

namespace {

enum class StepResult { Match, NoMatch };

// Matches one pattern element at pattern[*position] against c and moves
// *position past the element.
StepResult MatchOne(const QString& pattern, qsizetype* position, QChar c) {
    const QChar p = pattern.at(*position);
    if (p == u'?') {
        ++*position;
        return StepResult::Match;
    }
    if (p != u'<') {
        ++*position;
        return p == c ? StepResult::Match : StepResult::NoMatch;
    }
    qsizetype i = *position + 1;
    bool negate = false;
    if (i < pattern.size() && (pattern.at(i) == u'^' || pattern.at(i) == u'!')) {
        negate = true;
        ++i;
    }
    bool inSet = false;
    while (i < pattern.size() && pattern.at(i) != u'>') {
        const QChar low = pattern.at(i);
        if (i + 2 < pattern.size() && pattern.at(i + 1) == u'-' && pattern.at(i + 2) != u'>') {
            const QChar high = pattern.at(i + 2);
            inSet = inSet || (c >= low && c <= high);
            i += 3;
        } else {
            inSet = inSet || c == low;
            ++i;
        }
    }
    if (i >= pattern.size()) {
        // No closing '>': the set never matches.
        *position = pattern.size();
        return StepResult::NoMatch;
    }
    *position = i + 1;
    return inSet != negate ? StepResult::Match : StepResult::NoMatch;
}

} // namespace

bool Wildcard::IsPattern(const QString& text) {
    for (const QChar c : text)
        if (c == u'*' || c == u'?' || c == u'<' || c == u'>' || c == u'|')
            return true;
    return false;
}

bool Wildcard::Matches(const QString& patternText, const QString& textIn) {
    const QString pattern = patternText.toLower();
    const QString text = textIn.toLower();
    if (pattern == QStringLiteral("*"))
        return true;
    qsizetype p = 0;
    qsizetype t = 0;
    // Where the last '*' was and the text position it took over from. Every
    // other element matches exactly one character, so retrying from the last
    // star one character further on is enough.
    qsizetype starPattern = -1;
    qsizetype starText = -1;
    while (t < text.size()) {
        if (p < pattern.size() && pattern.at(p) == u'*') {
            while (p < pattern.size() && pattern.at(p) == u'*')
                ++p;
            starPattern = p;
            starText = t;
            continue;
        }
        if (p < pattern.size()) {
            qsizetype next = p;
            if (MatchOne(pattern, &next, text.at(t)) == StepResult::Match) {
                p = next;
                ++t;
                continue;
            }
        }
        if (starPattern < 0)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}
