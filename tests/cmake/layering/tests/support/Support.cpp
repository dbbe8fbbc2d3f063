#include "tests/support/Support.h"

#include "low/Low.h"

int Two() {
    return Low() + 1;
}
