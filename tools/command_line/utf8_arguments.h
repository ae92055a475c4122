#pragma once

#include <string>
#include <vector>

// The program's arguments after its name, as UTF-8. Windows hands main() its arguments in
// the ANSI code page, which cannot hold every name (a Japanese user folder, say), so there
// they are read from the wide command line instead.
std::vector<std::string> utf8Arguments(int argc, char** argv);
