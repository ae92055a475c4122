#pragma once

#include <stdexcept>

// A failure the user can act on; its message names the file, line or value at fault.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
