#pragma once

// Running a program as a user would from a shell, its output captured.

#include <filesystem>
#include <string>
#include <vector>

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs program with the arguments (UTF-8 text), in the caller's working folder. Standard
// output and error go through files in scratch, which must exist.
ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& scratch);
