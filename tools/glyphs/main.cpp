#include <iostream>

#include "cli.h"
#include "progress_bar.h"

int main(int argc, char** argv) {
    return runCli(argc, argv, std::cout, std::cerr, standardErrorIsTerminal());
}
