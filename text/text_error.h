#pragma once

#include <stdexcept>

// A font or glyph the text code cannot use; its message names what is wrong.
class TextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
