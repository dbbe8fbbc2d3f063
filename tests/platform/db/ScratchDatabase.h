#pragma once
// A fresh copy of the built database (TempDatabase), connected, with scratch
// tables for the data-set tests:
//   ITEM   (ID pk, NAME unique, AMOUNT NUMERIC(18,4), QTY, NOTE text blob, DAY_)
//   OWNER_ (ID pk, ITEM_ID, TITLE)
//   NOKEY  (CODE, LABEL) without a primary key
// The connection's default transaction reads committed rows and never waits.

#include "tests/support/database/TempDatabase.h"

class ScratchDatabase : public TempDatabase {
public:
    ScratchDatabase();
};
