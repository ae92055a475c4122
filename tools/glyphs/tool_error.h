#pragma once

#include <stdexcept>

// A failure the user can act on; its message names the file, line or value at fault.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input the command refuses outright, as it refuses bad usage (exit status 2): a names file
// it cannot use, a face the font does not have, a font path that names no file.
class BadInput : public ToolError {
public:
    using ToolError::ToolError;
};
