#pragma once
// The program's extra screen cursors by number, beside the standard ones:
// any control whose cursor number is installed here shows that cursor.

#include <QCursor>
#include <optional>

class TScreenCursors {
public:
    static void Set(int number, const QCursor& cursor);
    static std::optional<QCursor> Find(int number);
};
