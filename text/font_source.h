#pragma once

#include <filesystem>

// A font file and the face of it to use (a TTC collection holds several, from 0).
struct FontSource {
    std::filesystem::path path;
    long faceIndex = 0;
};
