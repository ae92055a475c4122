#pragma once

// The player's choices that outlast a load of the module: a few lines of UTF-8 text in
// Veltrona's folder, which a player may also edit by hand.

#include <filesystem>
#include <string>

#include "layout.h"

enum class NamesChoice { glyphs, text };

struct Settings {
    layout::Choice layout = layout::Choice::scaled;
    NamesChoice names = NamesChoice::glyphs;
    bool operator==(const Settings&) const = default;
};

enum class SettingsState { missing, read, damaged };

struct SettingsRead {
    Settings settings;  // the defaults unless state == read
    SettingsState state = SettingsState::missing;
    // Why a damaged file was set aside: `line 2: unknown value "wide" for layout`, or the
    // system's words when it could not be read.
    std::string problem;
};

// <data>/veltrona/settings.txt
std::filesystem::path settingsFile(const std::filesystem::path& dataFolder);

// Lines `key=value`: layout=scaled|fixed, names=glyphs|text, in any case, with spaces
// around either side, Windows line ends, blank lines and # comments. A key left out keeps
// its default. Anything else sets the whole file aside as damaged, so that a half-understood
// file never gives a mix of the player's choices and defaults. Throws only bad_alloc.
SettingsRead readSettings(const std::filesystem::path& file);

// Writes the choices whole (creating the folder), through a temporary file beside the
// target renamed over it, so that a crash leaves the old file or the new one. Throws
// std::runtime_error naming the file and why, leaving no temporary file behind.
void writeSettings(const std::filesystem::path& file, const Settings& settings);
