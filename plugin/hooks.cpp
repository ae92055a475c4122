#include "Veltrona.h"

void Veltrona::onLoad() {}

void Veltrona::onUnload() {}
