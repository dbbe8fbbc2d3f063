#include "high/High.h"

#include "low/Low.h"

int High() {
    return Low() + 1;
}
