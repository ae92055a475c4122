#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "font_source.h"

// The fonts installed on this machine, for the characters no font of a chain has, and as the
// main font where the default chain is missing. fontconfig answers on Linux; on Windows an
// index of the fonts folders (font_index.h), kept in a file so that a later start reads again
// only the fonts that changed. The first question does the slow work (fontconfig's start, or
// the index) and is for a worker thread; one object may be asked from several threads.
class SystemFonts {
public:
    // `indexFile`: where the Windows index is kept (the plugin's own data folder); an empty
    // path keeps it in memory only. Unused with fontconfig.
    explicit SystemFonts(std::filesystem::path indexFile = {});
    ~SystemFonts();
    SystemFonts(const SystemFonts&) = delete;
    SystemFonts& operator=(const SystemFonts&) = delete;

    // A font with a nominal glyph for every one of `chars`, else one for the first of them
    // (the cluster's base); nothing when no font has that one, or `chars` is empty. The
    // caller leaves out default ignorables and variation selectors: fonts need not map them.
    std::optional<FontSource> fontFor(std::span<const char32_t> chars);

    // The main font for names when no font of the default chain is installed: fontconfig's
    // "sans-serif"; on Windows the first of the usual UI fonts present, else the first font
    // with the Basic Latin letters.
    std::optional<FontSource> mainFont();

    // The installed font of this family (as its name table or fontconfig names it, ASCII case
    // ignored), its regular upright face where it has one; nothing when no installed font has
    // that family. Slow the first time, like fontFor: for a worker thread.
    std::optional<FontSource> fontOfFamily(std::string_view family);

    // Whether one of the usual main fonts is in the system's fonts folder, by looking at a few
    // files: quick enough for the game thread. fontconfig names its main font only after
    // reading its cache of every font, so there the answer is always no.
    static bool mainFontFilePresent();

private:
    struct Backend;
    std::unique_ptr<Backend> backend;
};
