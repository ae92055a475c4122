#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "text_worker.h"

// The worker for names as text, on the fonts the data folder's list names or else the
// system's, with what the player should hear about them.
struct TextStart {
    std::unique_ptr<TextWorker> worker;  // none when the player's list names no font that opens
    std::vector<std::string> problems;   // lines of the list, fonts that would not open
    bool fromList = false;
};

TextStart startTextWorker(const std::filesystem::path& dataFolder);
