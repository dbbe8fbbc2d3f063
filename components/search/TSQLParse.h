#pragma once
// The SQL splitter as forms place it (the search frame's spSearch).

#include "components/search/TCustomSQLParse.h"

class TSQLParse : public TCustomSQLParse {
    Q_OBJECT
public:
    using TCustomSQLParse::TCustomSQLParse;
};
