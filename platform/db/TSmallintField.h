#pragma once
// A 16-bit integer column.

#include "platform/db/TIntegerField.h"

class TSmallintField : public TIntegerField {
public:
    explicit TSmallintField(TComponent* owner = nullptr);
};
