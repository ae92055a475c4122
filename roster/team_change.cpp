#include "Veltrona.h"

void Veltrona::onTeamChanged(std::string) {}
