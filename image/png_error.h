#pragma once

#include "file_error.h"

namespace pngfile {

// A PNG file that libpng cannot encode; the message names the file. Writing the encoded
// bytes fails as files::WriteError, of which this is one kind.
struct PngError : files::WriteError {
    using files::WriteError::WriteError;
};

}  // namespace pngfile
