#pragma once
// The program's reading of the date and time. Whatever stamps a record or
// names a file by the moment asks here, so that a whole run can be replayed
// at a fixed moment (the end-to-end tests do, to compare files byte for
// byte).

#include <QDate>
#include <QDateTime>

#include <functional>

class SystemClock {
public:
    static QDateTime Now();
    static QDate Today() { return Now().date(); }
    // Every later reading returns what `source` returns; an empty function
    // gives the system's clock back.
    static void Fix(std::function<QDateTime()> source);
};
