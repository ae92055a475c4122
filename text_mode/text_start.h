#pragma once

#include <filesystem>
#include <memory>

#include "text_worker.h"

// The worker for names as text. On its own thread it reads the data folder's font list (or
// takes the system's default chain, else the system's main font), opens the fonts and leaves
// what the player should hear about them (TextWorker::takeFontLines, fontsState): the switch
// only starts it.
std::unique_ptr<TextWorker> startTextWorker(const std::filesystem::path& dataFolder);

// Whether names can likely be set as text without opening a font: the data folder has a font
// list, or a font of the default chain or one of the system's usual main fonts is installed.
// A few file lookups, for the game thread; the worker alone knows for sure.
bool fontsOnHand(const std::filesystem::path& dataFolder);
