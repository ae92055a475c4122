#include "Veltrona.h"

void Veltrona::pruneRoster() {}

void Veltrona::refreshScores() {}

void Veltrona::orderRoster() {}
