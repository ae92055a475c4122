#include "file_kind.h"

namespace filekind {

std::optional<std::string> describe(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::none:
        case file_type::not_found:
        case file_type::regular:
            return std::nullopt;
        case file_type::directory:
            return "a folder";
        case file_type::symlink:
            return "a symbolic link";
        case file_type::block:
        case file_type::character:
            return "a device";
        case file_type::fifo:
            return "a named pipe";
        case file_type::socket:
            return "a socket";
        default:
            return "an unknown kind of file";
    }
}

}  // namespace filekind
