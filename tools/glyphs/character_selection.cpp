#include "character_selection.h"

#include <algorithm>

#include "char_sets.h"
#include "default_set.h"
#include "names_file.h"
#include "tool_error.h"

namespace {

bool isKnownSet(const std::string& name) {
    auto sets = characterSets();
    return std::any_of(sets.begin(), sets.end(),
                       [&](const CharacterSetInfo& set) { return set.name == name; });
}

void addSet(std::vector<CodePoint>& characters, const std::string& name, const FontFace& font) {
    if (!isKnownSet(name)) throw ToolError("unknown character set '" + name + "'");
    auto set = name == kFontSet ? font.mappedCharacters() : characterSet(name);
    characters.insert(characters.end(), set.begin(), set.end());
}

void addRange(std::vector<CodePoint>& characters, const std::string& text) {
    auto range = parseCodeRange(text);
    for (CodePoint cp = range.first; cp <= range.last; ++cp) characters.push_back(cp);
}

}  // namespace

bool asksForNothing(const CharacterRequest& request) {
    return request.sets.empty() && request.ranges.empty() && !request.namesFile;
}

std::vector<CodePoint> selectCharacters(const CharacterRequest& request, const FontStack& fonts) {
    if (asksForNothing(request)) return defaultCharacters(fonts);
    std::vector<CodePoint> characters;
    for (const auto& set : request.sets) addSet(characters, set, fonts.main());
    for (const auto& range : request.ranges) addRange(characters, range);
    if (request.namesFile) {
        auto named = charactersOfNames(readNamesFile(*request.namesFile));
        characters.insert(characters.end(), named.begin(), named.end());
    }
    std::erase_if(characters, utf8::isSurrogate);
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}
