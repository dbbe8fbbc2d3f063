#include "platform/db/TDataSetField.h"

TDataSetField::TDataSetField(TComponent* owner) : TField(owner, ftDataSet) {}
