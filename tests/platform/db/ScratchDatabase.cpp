#include "tests/platform/db/ScratchDatabase.h"

ScratchDatabase::ScratchDatabase() {
    Transaction().SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    Execute(QStringLiteral("CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(40) NOT NULL, "
                           "AMOUNT NUMERIC(18,4), QTY SMALLINT, NOTE BLOB SUB_TYPE TEXT, DAY_ DATE, "
                           "CONSTRAINT UQ_ITEM_NAME UNIQUE (NAME))"));
    Execute(QStringLiteral("CREATE TABLE OWNER_ (ID INTEGER NOT NULL PRIMARY KEY, ITEM_ID INTEGER, "
                           "TITLE VARCHAR(20))"));
    Execute(QStringLiteral("CREATE TABLE NOKEY (CODE INTEGER, LABEL VARCHAR(20))"));
}
