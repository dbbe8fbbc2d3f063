#pragma once
// Objects that copy themselves from one another: Assign asks the source to
// AssignTo the destination when the destination does not know the source's
// class; when neither knows the other the copy fails with EConvertError.

#include "platform/base/TObject.h"

#include <QString>

class TPersistent : public TObject {
public:
    virtual void Assign(const TPersistent* source);
    // Copies this object into `dest`; the fallback of dest's Assign.
    virtual void AssignTo(TPersistent* dest) const;
    virtual QString ClassName() const = 0;

protected:
    // Raises "Cannot assign a <source> to a <this>".
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
