#pragma once

#include <vector>

#include "code_point.h"

// The kanji of JIS X 0208 levels 1 and 2 (rows 16 to 84), in JIS order.
std::vector<CodePoint> jisX0208Kanji();
