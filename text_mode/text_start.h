#pragma once

#include <filesystem>
#include <memory>

#include "text_worker.h"

// The worker for names as text. On its own thread it reads the data folder's font list (or
// takes the system's default chain, else the system's main font), opens the fonts and leaves
// what the player should hear about them (TextWorker::takeFontLines, fontsState): the switch
// only starts it.
std::unique_ptr<TextWorker> startTextWorker(const std::filesystem::path& dataFolder);
