// ZEB-ICMS: the program block lives in startup/.
#include "startup/ProgramStart.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv);
}
