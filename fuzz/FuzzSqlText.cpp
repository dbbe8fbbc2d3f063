// SQL texts with parameters, and scripts split into statements.
#include "platform/base/Exceptions.h"
#include "platform/db/SqlParamParser.h"
#include "platform/db/TSQLScript.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SqlParamParser::Result parsed = SqlParamParser::Parse(text);
    if (parsed.positionalText.count(QLatin1Char('?')) < parsed.markers.size())
        __builtin_trap(); // every marker must stand in the text the engine gets
    try {
        TSQLScript::Split(text); // an unclosed quote or comment is reported, not guessed at
    } catch (const EDatabaseError&) {
    }
    return 0;
}
