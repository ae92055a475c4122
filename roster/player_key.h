#pragma once

#include <string>

#include "actors.h"

// The key a player is known by in the roster and the glyph tables: the unique id's text,
// or, for a bot (which has no stable id), its display name.
std::string getPlayerKey(PriWrapper player);
