#pragma once
// The template of the program's section reports and listings: the report
// base with its page header laid out again (the title in 12 points; the page
// number, issue date and time, department and user in 8 points; the
// authority and system lines in 10 points) and the base's footer. Reports
// derive from it and add their own bands.

#include "components/report/TNUBRep.h"

class TrptModBase : public TNUBRep {
public:
    explicit TrptModBase(TComponent* owner = nullptr);
};
