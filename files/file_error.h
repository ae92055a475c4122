#pragma once

#include <stdexcept>

namespace files {

// A file that cannot be written; the message names the file.
struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An output path where something other than a regular file stands (a folder, a link, a
// device), which a writer leaves as it is. The message is one line naming the path.
struct OutputRefused : WriteError {
    using WriteError::WriteError;
};

}  // namespace files
