// zeb-dbbuild <output.gdb> <schema.sql> [<data.sql> ...]
// Builds the program's database file from its SQL scripts.

#include "database/builder/DatabaseBuilder.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zeb-dbbuild <output.gdb> <schema.sql> [<data.sql> ...]\n");
        return 2;
    }
    QStringList scripts;
    for (int i = 2; i < argc; ++i)
        scripts << QString::fromLocal8Bit(argv[i]);
    const QString target = QString::fromLocal8Bit(argv[1]);
    try {
        DatabaseBuilder::Build(target, scripts);
    } catch (const Exception& error) {
        std::fprintf(stderr, "zeb-dbbuild: %s\n", error.what());
        return 1;
    }
    return 0;
}
