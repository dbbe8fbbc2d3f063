#pragma once
// A prepared page: its size and its display list, in drawing order.

#include "platform/report/TDrawItem.h"

#include <vector>

struct TPreparedPage {
    double Width = 0; // millimetres
    double Height = 0;
    std::vector<TDrawItem> Items;

    bool operator==(const TPreparedPage& other) const = default;
};
