#pragma once

// The plugin's texts as the host and the player see them: the console command, the game
// events it hooks, and its console log lines.

#include <array>
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
inline constexpr std::array<std::string_view, 4> kHookedEvents = {
    kEventOpenScoreboard, kEventCloseScoreboard, kEventTeamChanged, kEventMatchEnded};

// The command's first word after its name chooses the overlay's layout.
inline constexpr char kOptionScaled[] = "scaled";
inline constexpr char kOptionFixed[] = "fixed";

inline constexpr char kLogMatchEnd[] = "End";
inline constexpr char kLogSwitchedOn[] = "Veltrona: on";
inline constexpr char kLogNotOnline[] = "Veltrona: not in an online match; type Veltrona again in one";
inline constexpr char kLogNullPlayer[] = "pl is null";
inline constexpr char kLogErasePrefix[] = "erase->";
// Around the word as typed: Veltrona: unknown option "WORD"; use "Veltrona scaled" or "Veltrona fixed"
inline constexpr char kLogUnknownOptionBefore[] = "Veltrona: unknown option \"";
inline constexpr char kLogUnknownOptionAfter[] = "\"; use \"Veltrona scaled\" or \"Veltrona fixed\"";

}  // namespace veltrona
