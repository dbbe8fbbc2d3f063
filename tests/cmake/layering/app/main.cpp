#include "low/Low.h"

int main() {
    return Low();
}
