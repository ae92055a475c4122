#include "build_line.h"

#include "path_text.h"

namespace {

// cmd.exe takes 8191 characters; this leaves room for the program's folder and a prompt.
constexpr std::size_t kLongestCharsArgument = 6000;
constexpr char kPosixSpecials[] = "$`\\\"!";

// "U+0041,U+3040-U+309F": runs as ranges, one argument without spaces.
std::string charsArgument(const std::vector<CodePoint>& characters) {
    std::string text;
    for (std::size_t i = 0; i < characters.size();) {
        auto last = i;
        while (last + 1 < characters.size() && characters[last + 1] == characters[last] + 1) ++last;
        if (!text.empty()) text += ',';
        text += formatCodePoint(characters[i]);
        // Piecewise: GCC 12 misreads "-" + std::string as an overlapping copy.
        if (last > i) {
            text += '-';
            text += formatCodePoint(characters[last]);
        }
        i = last + 1;
    }
    return text;
}

}  // namespace

std::string shellArgument(const std::string& text) {
#if defined(_WIN32)
    // A Windows path holds no double quote.
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
#else
    if (text.find_first_of(kPosixSpecials) == std::string::npos) return '"' + text + '"';
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

std::string buildLineFor(const std::filesystem::path& dataFolder, const std::vector<CodePoint>& characters,
                         const std::optional<std::filesystem::path>& namesFile) {
    std::string line = kGlyphTool;
    line += " build --data " + shellArgument(displayText(dataFolder)) + " --missing ";
    auto chars = charsArgument(characters);
    if (chars.size() > kLongestCharsArgument && namesFile)
        return line + "--names " + shellArgument(displayText(*namesFile));
    return line + "--chars " + chars;
}
