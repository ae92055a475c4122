#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "progress_bar.h"
#include "utf8_arguments.h"
#include "utf8_console.h"

int main(int argc, char** argv) {
    Utf8Console console;
    const auto arguments = utf8Arguments(argc, argv);
    std::vector<const char*> utf8Argv{argc > 0 ? argv[0] : "veltrona-glyphs"};
    for (const auto& argument : arguments) utf8Argv.push_back(argument.c_str());
    return runCli(static_cast<int>(utf8Argv.size()), utf8Argv.data(), std::cout, std::cerr,
                  standardErrorIsTerminal());
}
