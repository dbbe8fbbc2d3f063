// zeb-dbbuild <output.gdb> <schema.sql> [<data.sql> ...]
//     Builds a database file from SQL scripts.
// zeb-dbbuild --update <source.gdb> <output.gdb>
//     Copies a database file and brings the copy to the program's version
//     through the updater's scripts.

#include "database/builder/DatabaseBuilder.h"

#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: zeb-dbbuild <output.gdb> <schema.sql> [<data.sql> ...]\n"
                         "       zeb-dbbuild --update <source.gdb> <output.gdb>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool update = argc > 1 && std::strcmp(argv[1], "--update") == 0;
    if (update ? argc != 4 : argc < 3)
        return Usage();
    try {
        if (update) {
            DatabaseBuilder::Update(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        } else {
            QStringList scripts;
            for (int i = 2; i < argc; ++i)
                scripts << QString::fromLocal8Bit(argv[i]);
            DatabaseBuilder::Build(QString::fromLocal8Bit(argv[1]), scripts);
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "zeb-dbbuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
