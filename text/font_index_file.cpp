#include "font_index_file.h"

#include <array>
#include <charconv>
#include <exception>

#include "path_text.h"
#include "utf8.h"

namespace {

// Version 1 kept no style, version 2 no family: such an index is built anew, so that its faces
// get them.
constexpr std::string_view kHeader = "veltrona font index 3";
constexpr std::string_view kEndPrefix = "end ";
constexpr char kField = '\t';
constexpr std::string_view kUpright = "upright";
constexpr std::string_view kItalic = "italic";
constexpr char kRangeSeparator = ',';
constexpr char kRangeDash = '-';
constexpr int kDecimal = 10;
constexpr int kHex = 16;
// A 64-bit number in decimal, with its sign.
constexpr std::size_t kMaxDigits = 24;
constexpr std::size_t kFieldsBeforePath = 7;
constexpr char kEscape = '%';
constexpr std::size_t kEscapeDigits = 2;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7f;
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr int kHexDigitBits = 4;
constexpr unsigned char kLowDigitMask = 0xf;

void appendNumber(std::string& text, auto value, int base = kDecimal) {
    std::array<char, kMaxDigits> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, base).ptr;
    text.append(digits.data(), end);
}

void appendRanges(std::string& text, const std::vector<CodeRange>& ranges) {
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (i > 0) text += kRangeSeparator;
        appendNumber(text, static_cast<std::uint32_t>(ranges[i].first), kHex);
        if (ranges[i].last == ranges[i].first) continue;
        text += kRangeDash;
        appendNumber(text, static_cast<std::uint32_t>(ranges[i].last), kHex);
    }
}

bool escaped(unsigned char c) { return c == kEscape || c < kFirstPrintable || c == kDelete; }

void appendFamily(std::string& text, std::string_view family) {
    for (const char c : family) {
        const auto byte = static_cast<unsigned char>(c);
        if (!escaped(byte)) {
            text += c;
            continue;
        }
        text += kEscape;
        text += kHexDigits[byte >> kHexDigitBits];
        text += kHexDigits[byte & kLowDigitMask];
    }
}

// The whole field, and nothing else, as a number.
template <class Number>
bool parseNumber(std::string_view field, Number& value, int base = kDecimal) {
    if (field.empty()) return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    return error == std::errc{} && end == field.data() + field.size();
}

// The text up to the next `separator`, removed from `rest` with the separator; all of `rest`
// when there is none.
std::string_view takeUntil(std::string_view& rest, char separator) {
    const auto at = rest.find(separator);
    const auto taken = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
    return taken;
}

bool parseCodePoint(std::string_view field, CodePoint& cp) {
    std::uint32_t value = 0;
    if (!parseNumber(field, value, kHex) || value > utf8::kLastCodePoint) return false;
    cp = static_cast<CodePoint>(value);
    return true;
}

std::optional<std::string> parseFamily(std::string_view field) {
    std::string family;
    while (!field.empty()) {
        const auto at = field.find(kEscape);
        family += field.substr(0, at);
        if (at == std::string_view::npos) break;
        if (field.size() - at <= kEscapeDigits) return std::nullopt;
        unsigned int byte = 0;
        if (!parseNumber(field.substr(at + 1, kEscapeDigits), byte, kHex)) return std::nullopt;
        family += static_cast<char>(byte);
        field.remove_prefix(at + 1 + kEscapeDigits);
    }
    return family;
}

std::optional<std::vector<CodeRange>> parseRanges(std::string_view field) {
    std::vector<CodeRange> ranges;
    while (!field.empty()) {
        auto range = takeUntil(field, kRangeSeparator);
        const bool single = range.find(kRangeDash) == std::string_view::npos;
        const auto first = takeUntil(range, kRangeDash);
        CodeRange parsed{};
        if (!parseCodePoint(first, parsed.first)) return std::nullopt;
        parsed.last = parsed.first;
        if (!single && !parseCodePoint(range, parsed.last)) return std::nullopt;
        if (parsed.last < parsed.first) return std::nullopt;
        // Apart and ascending, or a lookup's binary search would miss code points.
        if (!ranges.empty() && parsed.first <= ranges.back().last + 1) return std::nullopt;
        ranges.push_back(parsed);
    }
    return ranges;
}

std::optional<IndexedFace> parseFace(std::string_view line) {
    std::array<std::string_view, kFieldsBeforePath> fields;
    for (auto& field : fields) {
        if (line.find(kField) == std::string_view::npos) return std::nullopt;
        field = takeUntil(line, kField);
    }
    IndexedFace face;
    if (!parseNumber(fields[0], face.faceIndex) || face.faceIndex < 0 ||
        face.faceIndex >= kMaxFacesPerFontFile)
        return std::nullopt;
    if (!parseNumber(fields[1], face.weight) || face.weight < 1 || face.weight > kMaxWeight)
        return std::nullopt;
    if (fields[2] != kUpright && fields[2] != kItalic) return std::nullopt;
    face.italic = fields[2] == kItalic;
    if (!parseNumber(fields[3], face.fileSize) || !parseNumber(fields[4], face.writeTime))
        return std::nullopt;
    auto ranges = parseRanges(fields[5]);
    auto family = parseFamily(fields[6]);
    if (!ranges || !family || line.empty()) return std::nullopt;
    face.ranges = std::move(*ranges);
    face.family = std::move(*family);
    // On Windows a path that is not UTF-8 has no wide form: the conversion throws.
    try {
        face.path = pathFromUtf8(std::string(line));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return face;
}

}  // namespace

std::string formatFontIndex(const std::vector<IndexedFace>& faces) {
    std::string text(kHeader);
    text += '\n';
    for (const auto& face : faces) {
        appendNumber(text, face.faceIndex);
        text += kField;
        appendNumber(text, face.weight);
        text += kField;
        text += face.italic ? kItalic : kUpright;
        text += kField;
        appendNumber(text, face.fileSize);
        text += kField;
        appendNumber(text, face.writeTime);
        text += kField;
        appendRanges(text, face.ranges);
        text += kField;
        appendFamily(text, face.family);
        text += kField;
        text += displayText(face.path);
        text += '\n';
    }
    text += kEndPrefix;
    appendNumber(text, faces.size());
    text += '\n';
    return text;
}

std::optional<std::vector<IndexedFace>> parseFontIndex(std::string_view text) {
    if (takeUntil(text, '\n') != kHeader) return std::nullopt;
    std::vector<IndexedFace> faces;
    while (!text.empty()) {
        const auto line = takeUntil(text, '\n');
        if (line.starts_with(kEndPrefix)) {
            std::size_t count = 0;
            const bool whole = text.empty() && parseNumber(line.substr(kEndPrefix.size()), count);
            if (!whole || count != faces.size()) return std::nullopt;
            return faces;
        }
        auto face = parseFace(line);
        if (!face) return std::nullopt;
        faces.push_back(std::move(*face));
    }
    return std::nullopt;
}
