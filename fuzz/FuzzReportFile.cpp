// Saved-report files come from disk and may be damaged or foreign: reading
// must refuse them with EReportFileError, never crash. Whatever is accepted
// must write out to a file that reads back as the same pages.
#include "platform/report/TReportFileFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const TReportFileFormat::Contents contents = TReportFileFormat::Read(input);
        const TReportFileFormat::Contents again = TReportFileFormat::Read(TReportFileFormat::Write(contents));
        if (again.Title != contents.Title || again.Pages != contents.Pages)
            std::abort();
    } catch (const EReportFileError&) {
    }
    return 0;
}
