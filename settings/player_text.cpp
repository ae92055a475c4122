#include "player_text.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr char kComment = '#';
constexpr std::size_t kKiB = 1024;

}  // namespace

PlayerText readPlayerText(const fs::path& file, std::size_t maxBytes) {
    std::error_code error;
    const auto type = fs::status(file, error).type();
    if (error) return {{}, error.message()};
    if (type != fs::file_type::regular) return {{}, "not a regular file"};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {{}, std::generic_category().message(errno)};
    // One byte more than allowed tells a file at the bound from a larger one, without
    // trusting a size read before the file is open.
    std::string text(maxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return {{}, "cannot be read"};
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > maxBytes) return {{}, "larger than " + std::to_string(maxBytes / kKiB) + " KiB"};
    return {std::move(text), {}};
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

PlayerLines::PlayerLines(std::string_view text) : rest(text) {
    if (rest.starts_with(kUtf8Bom)) rest.remove_prefix(kUtf8Bom.size());
}

bool PlayerLines::next(std::string_view& line) {
    while (!rest.empty()) {
        ++lineNumber;
        const auto end = rest.find('\n');
        line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = trimmed(line);
        if (!line.empty() && line.front() != kComment) return true;
    }
    return false;
}
