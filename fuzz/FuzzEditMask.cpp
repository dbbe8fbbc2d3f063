// Edit masks come from field definitions and typed text from the keyboard:
// the first line of the input is the mask, the rest is typed character by
// character and then read back.
#include "platform/base/Exceptions.h"
#include "platform/db/TEditMask.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf(QLatin1Char('\n'));
    const QString mask = newline < 0 ? input : input.left(newline);
    const QString typed = newline < 0 ? QString() : input.mid(newline + 1);

    const TEditMask editMask(mask);
    QString text = editMask.EmptyEditText();
    int cursor = 0;
    for (const QChar ch : typed)
        editMask.TypeChar(text, cursor, ch);
    const int end = editMask.EndOfText(text);
    if (end < 0 || end > editMask.Length())
        __builtin_trap(); // the caret's farthest place lies within the text
    const QString value = editMask.ValueOf(text);
    editMask.EditTextFor(value);
    editMask.FormatText(typed);
    editMask.Clear(text, 0, editMask.Length());
    editMask.NextInputPosition(cursor);
    editMask.PriorInputPosition(cursor);
    try {
        editMask.Validate(text);
    } catch (const EDBEditError&) {
    }
    return 0;
}
