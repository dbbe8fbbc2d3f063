#include "platform/graphics/TScreenCursors.h"

#include <QHash>

namespace {

QHash<int, QCursor>& Cursors() {
    static QHash<int, QCursor> cursors;
    return cursors;
}

} // namespace

void TScreenCursors::Set(int number, const QCursor& cursor) {
    Cursors().insert(number, cursor);
}

std::optional<QCursor> TScreenCursors::Find(int number) {
    const auto found = Cursors().constFind(number);
    if (found == Cursors().constEnd())
        return std::nullopt;
    return *found;
}
