#include "Veltrona.h"

void Veltrona::onOpenScoreboard(std::string) {}

void Veltrona::onCloseScoreboard(std::string) {}
