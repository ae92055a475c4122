#pragma once

// The plugin's texts as the host and the player see them: the console command, the game
// events it hooks, and its console log lines.

#include <array>
#include <cstddef>
#include <string_view>

namespace veltrona {

inline constexpr char kCommandName[] = "Veltrona";
inline constexpr char kCommandDescription[] = "test";
inline constexpr unsigned char kCommandPermission = 0;

inline constexpr char kEventOpenScoreboard[] = "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard";
inline constexpr char kEventCloseScoreboard[] = "Function TAGame.GFxData_GameEvent_TA.OnCloseScoreboard";
inline constexpr char kEventTeamChanged[] = "Function TAGame.PRI_TA.OnTeamChanged";
inline constexpr char kEventMatchEnded[] = "Function TAGame.GameEvent_Soccar_TA.EventMatchEnded";

// In the order they are hooked and unhooked.
inline constexpr std::array<std::string_view, 4> kHookedEvents = {kEventOpenScoreboard, kEventCloseScoreboard,
                                                                  kEventTeamChanged, kEventMatchEnded};

// The command's words after its name choose the overlay's layout and how names are drawn,
// in any case, applied in order.
inline constexpr char kOptionScaled[] = "scaled";
inline constexpr char kOptionFixed[] = "fixed";
inline constexpr char kOptionText[] = "text";
inline constexpr char kOptionGlyphs[] = "glyphs";

inline constexpr char kLogMatchEnd[] = "End";
// The plugin's own lines begin so, to tell them from the host's.
inline constexpr char kLogPrefix[] = "Veltrona: ";
// "Veltrona: on, scaled layout" or "Veltrona: on, scaled layout, names set as text"
inline constexpr char kLogSwitchedOn[] = "Veltrona: on, ";
inline constexpr char kLogLayoutAfter[] = " layout";
inline constexpr char kLogNamesAsText[] = ", names set as text";
inline constexpr char kLogNamesFromGlyphs[] = ", names from glyph files";
inline constexpr char kLogNotOnline[] = "Veltrona: not in an online match; type Veltrona again in one";
// "Veltrona: scaled layout kept; not in an online match; type Veltrona again in one", with
// the names' choice after the layout when the command made one.
inline constexpr char kLogKeptOffline[] = " kept; not in an online match; type Veltrona again in one";
inline constexpr char kLogNullPlayer[] = "pl is null";
inline constexpr char kLogErasePrefix[] = "erase->";
// Around the word as typed:
// Veltrona: unknown option "WORD"; use "Veltrona scaled", "Veltrona fixed", "Veltrona text" or
// "Veltrona glyphs"; nothing changed
inline constexpr char kLogUnknownOptionBefore[] = "Veltrona: unknown option \"";
inline constexpr char kLogUnknownOptionAfter[] =
    "\"; use \"Veltrona scaled\", \"Veltrona fixed\", \"Veltrona text\" or \"Veltrona glyphs\"; nothing "
    "changed";

// The files are named as they lie in the data folder, which the player knows.
// Veltrona: the choices in veltrona/settings.txt are not used (WHY); starting with the scaled
// layout and glyph files
inline constexpr char kLogSettingsNotUsed[] = "Veltrona: the choices in veltrona/settings.txt are not used (";
inline constexpr char kLogSettingsDefaults[] = "); starting with the scaled layout and glyph files";

// A list of thousands of missing fonts must not flood the console at every command.
inline constexpr std::size_t kFontLinesShown = 16;
inline constexpr char kLogMoreFontLinesBefore[] = "Veltrona: ";
inline constexpr char kLogMoreFontLinesAfter[] = " more lines about veltrona/fonts.txt are not shown";
inline constexpr char kLogNoListedFont[] =
    "Veltrona: none of the fonts in veltrona/fonts.txt could be opened; names stay drawn from glyph files, and "
    "the choice of names set as text stays saved";
// Veltrona: no font to set names with in "FOLDER" or the user's fonts; ...
inline constexpr char kLogNoSystemFontBefore[] = "Veltrona: no font to set names with in \"";
inline constexpr char kLogNoSystemFontAfter[] =
    "\" or the user's fonts; list fonts in veltrona/fonts.txt. Names stay drawn from glyph files, and the choice "
    "of names set as text stays saved";
// Where names were set as text only for want of glyph files, the lines above end so instead.
inline constexpr char kLogNoListedFontNoGlyphs[] =
    "Veltrona: none of the fonts in veltrona/fonts.txt could be opened; with no glyph files either, names are "
    "not drawn";
inline constexpr char kLogNoSystemFontNoGlyphsAfter[] =
    "\" or the user's fonts; list fonts in veltrona/fonts.txt. With no glyph files either, names are not drawn";
// Veltrona: a name could not be set as text (WHY); it is drawn from glyph files
inline constexpr char kLogNameNotSetBefore[] = "Veltrona: a name could not be set as text (";
inline constexpr char kLogNameNotSetAfter[] = "); it is drawn from glyph files";

// Veltrona: glyph folder "PATH" not found
// Veltrona: glyph folder "PATH" holds no PNG file
// Veltrona: glyph folder "PATH" not found; names are set as text
inline constexpr char kLogGlyphFolderBefore[] = "Veltrona: glyph folder \"";
inline constexpr char kLogGlyphFolderMissing[] = "\" not found";
inline constexpr char kLogGlyphFolderEmpty[] = "\" holds no PNG file";
inline constexpr char kLogGlyphFolderAsText[] = "; names are set as text";

// Veltrona: no glyph image for 🔥 (1f525.png), ★ (2605.png), ♛ (265b.png) and 2 more in "NAME"
inline constexpr char kLogNoGlyphImage[] = "Veltrona: no glyph image for ";
inline constexpr char kLogNoGlyphMore[] = " and ";
inline constexpr char kLogNoGlyphMoreAfter[] = " more";
inline constexpr char kLogNoGlyphIn[] = " in \"";
inline constexpr std::size_t kMissingGlyphsNamed = 3;
// A lobby of strangers can miss glyphs in every name: the console gets this many such lines
// a match, then one saying the rest are not listed.
inline constexpr int kMissingGlyphLinesPerMatch = 16;
inline constexpr char kLogMoreMissingGlyphs[] =
    "Veltrona: more names miss glyph images this match; veltrona-glyphs check lists them";

// Veltrona: the team change failed: WHY
inline constexpr char kLogFailedAfter[] = " failed: ";
inline constexpr char kLogUnknownError[] = "unknown error";
inline constexpr char kWhatLoad[] = "loading";
inline constexpr char kWhatReadChoices[] = "reading the choices";
inline constexpr char kWhatSaveChoices[] = "saving the choices";
inline constexpr char kWhatUnload[] = "unloading";
inline constexpr char kWhatCommand[] = "the command";
inline constexpr char kWhatStartText[] = "starting names as text";
inline constexpr char kWhatTeamChange[] = "the team change";
inline constexpr char kWhatOpen[] = "opening the scoreboard";
inline constexpr char kWhatClose[] = "closing the scoreboard";
inline constexpr char kWhatMatchEnd[] = "the match end";
inline constexpr char kWhatDraw[] = "drawing the names";

}  // namespace veltrona
