// ZEB-ICMS: the program block lives in core/startup.
#include "core/startup/ProgramStart.h"

int main(int argc, char** argv) {
    return ExecutaPrograma(argc, argv);
}
