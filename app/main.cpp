// ZEB-ICMS: the program block lives in core/startup.
#include "core/startup/TInicioPrograma.h"

int main(int argc, char** argv) {
    return ExecutaPrograma(argc, argv);
}
