#pragma once

#include "character_selection.h"
#include "font_stack.h"
#include "glyph_plan.h"

// What a build draws, without drawing: the characters asked for, each with its file and the
// font of the stack that draws it. A blank character (default_set.h) needs no font: it is
// drawn clear, from the main font when no font has it.
GlyphPlan planBuild(const CharacterRequest& request, const FontStack& fonts);
