// Where an entry's stored name lands below the destination folder, and the
// names that must never reach the disk.
#include "zip/ZipEntryPath.h"
#include "zip/TZipHeaderInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(ZipEntryPathTest, KeepsOnlySafeFoldersBelowTheDestination) {
    struct Case {
        const char* folder;
        QString name;
        const char* rootDir;
        bool withFolders;
        bool safe;
        QStringList folders;
    };
    const Case cases[] = {
        {"docs\\", "a.txt", "", true, true, {"docs"}},
        {"docs\\", "a.txt", "", false, true, {}},
        {"..\\", "a.txt", "", true, false, {}},
        {"..\\", "a.txt", "", false, true, {}},
        {"a\\..\\b\\", "f", "", true, false, {"a", "b"}},
        {"\\abs\\", "f", "", true, true, {"abs"}},
        {"C:\\win\\", "f", "", true, true, {"win"}},
        {"a\\.\\\\b\\", "f", "", true, true, {"a", "b"}},
        {"docs\\x\\", "f", "docs/", true, true, {"x"}},
        {"DOCS\\x\\", "f", "/docs/", true, true, {"x"}},
        {"docsx\\", "f", "docs/", true, true, {"docsx"}},
        {"", "..", "", true, false, {}},
        {"", ".", "", true, false, {}},
        {"", QStringLiteral("a") + QChar(u'\0') + "b", "", true, false, {}},
    };
    for (const Case& c : cases) {
        TZipHeaderInfo entry;
        entry.SetDirectory(QString::fromLatin1(c.folder));
        entry.SetFileName(c.name);
        const ZipEntryPath path = ZipEntryPath::Of(entry, QString::fromLatin1(c.rootDir), c.withFolders);
        EXPECT_EQ(path.IsSafe(), c.safe) << c.folder;
        EXPECT_EQ(path.Folders(), c.folders) << c.folder;
        EXPECT_EQ(path.Name(), c.name) << c.folder;
    }
}

TEST(ZipEntryPathTest, ShowsThePathBelowTheDestination) {
    TZipHeaderInfo entry;
    entry.SetDirectory("a\\b\\");
    entry.SetFileName("f.txt");
    const ZipEntryPath path = ZipEntryPath::Of(entry, QString(), true);
    EXPECT_EQ(path.Shown(""), "a/b/f.txt");
    EXPECT_EQ(path.Shown("/"), "/a/b/f.txt");
    EXPECT_EQ(path.Shown("/tmp/out"), "/tmp/out/a/b/f.txt");
}

} // namespace
