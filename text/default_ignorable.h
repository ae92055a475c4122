#pragma once

#include "code_range.h"

// Unicode's Default_Ignorable_Code_Point: joiners, variation selectors, bidi controls, tags,
// fillers. They draw nothing of their own, so no font needs to have them for a cluster to be
// its own: HarfBuzz removes them from what it draws.
bool isDefaultIgnorable(CodePoint cp);
