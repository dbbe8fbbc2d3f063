// Archives come from disks and other programs: reading the directory of any
// file (rebuilding it from local headers when it is damaged) and extracting
// every entry must end in entries extracted, entries skipped through events,
// or one of the engine's exceptions, never a crash, a hang or a file outside
// the destination folder.
#include "platform/os/TempPaths.h"
#include "platform/os/TreeRemover.h"
#include "zip/TZipReader.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A work folder in memory when the system has one.
QString WorkFolder() {
    static const QString folder = TempPaths::CreateFolder(
        QStringLiteral("fuzzzip"),
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QString());
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString archive = WorkFolder() + QStringLiteral("/input.zip");
    const QString out = WorkFolder() + QStringLiteral("/out/inner");
    {
        QFile file(archive);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QDir().mkpath(out);
    TZipReader reader;
    reader.SetZipName(archive);
    reader.SetDestDir(out);
    reader.SetDoAll(true);
    reader.SetRecreateDirs(true);
    reader.SetOverwriteMode(TUZOverwriteMode::Always);
    reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeBad);
    reader.SetPassword(QStringLiteral("secret"));
    try {
        reader.UnZip();
    } catch (const Exception&) {
    }
    // Nothing may have been written beside the destination folder.
    const QStringList beside =
        QDir(WorkFolder() + QStringLiteral("/out"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (beside != QStringList{QStringLiteral("inner")})
        std::abort();
    TreeRemover::Remove(out, false, false);
    return 0;
}
