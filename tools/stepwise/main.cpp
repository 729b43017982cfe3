#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "tools/stepwise/stw_Commands.h"

int main(int argc, char** argv) {
    // Colour only for a person at a terminal, and never when NO_COLOR asks for none.
    bool const colour = ::isatty(STDOUT_FILENO) && !std::getenv("NO_COLOR");
    return stw_Main(argc, argv, std::cout, std::cerr, colour);
}
