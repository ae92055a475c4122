#include "Veltrona.h"

void Veltrona::drawGlyphRows(CanvasWrapper) {}
