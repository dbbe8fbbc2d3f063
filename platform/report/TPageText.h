#pragma once
// The text of prepared pages in reading order, for the text export: texts of
// a page are grouped into lines from top to bottom and placed left to right at
// columns that follow their position on the page. Pages are separated by a
// form feed.

#include "platform/report/TPreparedPage.h"

#include <QString>
#include <vector>

class TPageText {
public:
    // Width of one text column, in millimetres.
    static constexpr double kColumnWidth = 2.0;

    static QString FromPage(const TPreparedPage& page);
    static QString FromPages(const std::vector<TPreparedPage>& pages);
};
