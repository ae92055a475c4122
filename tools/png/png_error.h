#pragma once

#include <stdexcept>

namespace pngfile {

// A PNG file that cannot be written; the message names the file.
struct PngError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace pngfile
