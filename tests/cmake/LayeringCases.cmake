# The cases of the layering check, one a row: its name, the file of the
# scratch tree (tests/cmake/layering) a line is appended to, that line, and
# what the check must say. The clean tree must configure.
set(ZEB_LAYERING_CASES
    "clean|||"
    "angle|low/Low.cpp|#include <high/High.h>|low/Low.cpp: '#include <high/High.h>' reaches high, which zeb_low does not link"
    "relative|low/Low.cpp|#include \"../high/High.h\"|low/Low.cpp: '#include \"../high/High.h\"' names a folder relative to its own"
    "spaced|low/Low.h|#  include \"high/High.h\"|low/Low.h: '#  include \"high/High.h\"' reaches high, which zeb_low does not link"
    "indented|low/Low.cpp|    #include \"high/High.h\"|low/Low.cpp: '    #include \"high/High.h\"' reaches high, which zeb_low does not link"
    "program|app/main.cpp|#include \"high/High.h\"|app/main.cpp: '#include \"high/High.h\"' reaches high, which program does not link"
    "builder|database/builder/main.cpp|#include \"high/High.h\"|reaches high, which builder does not link"
    "test|tests/low/LowTest.cpp|#include \"high/High.h\"|reaches high, which test_low does not link"
    "late|CMakeLists.txt|target_link_libraries(zeb_low PUBLIC zeb_high)|zeb_low links zeb_high, which is declared after it"
    "beside|CMakeLists.txt|target_link_libraries(zeb_side INTERFACE zeb_high)|zeb_side reaches zeb_high through its links, but zeb_high lies beside it"
    "support|low/Low.cpp|#include \"tests/support/Support.h\"|low/Low.cpp: '#include \"tests/support/Support.h\"' reaches tests/support, which only test code may include"
    "bench|app/main.cpp|#include <bench/Timing.h>|app/main.cpp: '#include <bench/Timing.h>' reaches bench, which only test code"
    "unchecked|CMakeLists.txt|add_library(zeb_test_copy OBJECT tests/support/Support.cpp)|zeb_test_copy is built from tests/support/Support.cpp, but its includes are checked by no one")
