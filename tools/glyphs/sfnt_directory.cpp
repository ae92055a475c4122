#include "sfnt_directory.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace {

constexpr std::uint32_t kCollectionTag = 0x74746366;  // 'ttcf'
constexpr std::uint32_t kFontTags[] = {0x00010000, 0x4F54544F /* OTTO */, 0x74727565 /* true */,
                                       0x74797031 /* typ1 */};
constexpr std::uint64_t kCollectionHeader = 12;  // tag, version, number of fonts
constexpr std::uint64_t kFontHeader = 12;        // tag, number of tables, search fields
constexpr std::uint64_t kTableRecord = 16;       // tag, checksum, offset, length

// Big-endian fields read from anywhere in the file; nothing past its end.
class FontFile {
public:
    explicit FontFile(const std::filesystem::path& path) : in(path, std::ios::binary) {
        std::error_code error;
        size = std::filesystem::file_size(path, error);
        if (error) size = 0;
    }

    bool holds(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size && length <= size - offset;
    }

    std::optional<std::uint32_t> read(std::uint64_t offset, int bytes) {
        if (!holds(offset, static_cast<std::uint64_t>(bytes))) return std::nullopt;
        std::array<unsigned char, 4> buffer{};
        in.seekg(static_cast<std::streamoff>(offset));
        in.read(reinterpret_cast<char*>(buffer.data()), bytes);
        if (!in) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value = (value << 8) | buffer[static_cast<std::size_t>(i)];
        return value;
    }

private:
    std::ifstream in;
    std::uint64_t size = 0;
};

std::string tagText(std::uint32_t tag) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        auto c = static_cast<char>((tag >> shift) & 0xFF);
        text += c >= ' ' && c <= '~' ? c : '?';
    }
    return text;
}

bool isFontTag(std::uint32_t tag) {
    for (auto known : kFontTags) {
        if (tag == known) return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> sfntCutShort(const std::filesystem::path& path, long faceIndex) {
    FontFile file(path);
    auto tag = file.read(0, 4);
    if (!tag || faceIndex < 0) return std::nullopt;

    std::uint64_t face = 0;
    if (*tag == kCollectionTag) {
        auto faces = file.read(8, 4);
        if (!faces) return "it ends within its collection header";
        if (static_cast<std::uint64_t>(faceIndex) >= *faces) return std::nullopt;
        auto offset = file.read(kCollectionHeader + 4 * static_cast<std::uint64_t>(faceIndex), 4);
        if (!offset) return "it ends within its list of faces";
        face = *offset;
    } else if (!isFontTag(*tag) || faceIndex != 0) {
        return std::nullopt;
    }

    auto tables = file.read(face + 4, 2);
    if (!tables || !file.holds(face, kFontHeader + *tables * kTableRecord)) {
        return "it ends within its table directory";
    }
    for (std::uint64_t i = 0; i < *tables; ++i) {
        const auto record = face + kFontHeader + i * kTableRecord;
        auto tableTag = file.read(record, 4);
        auto offset = file.read(record + 8, 4);
        auto length = file.read(record + 12, 4);
        if (!tableTag || !offset || !length) return "it cannot be read";
        if (!file.holds(*offset, *length)) {
            return "its table '" + tagText(*tableTag) + "' runs past the end of the file";
        }
    }
    return std::nullopt;
}
