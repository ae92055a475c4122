#pragma once

#include <filesystem>
#include <random>
#include <string>

// A folder of its own for one test, removed afterwards: a host's data folder, or a cache.
class ScratchData {
public:
    ScratchData() {
        // ctest runs tests side by side in separate processes: a random part keeps them apart.
        folder = std::filesystem::temp_directory_path() /
                 ("veltrona-text-mode-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
    }
    ~ScratchData() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchData(const ScratchData&) = delete;
    ScratchData& operator=(const ScratchData&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};

inline constexpr char kDejaVuSans[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kDejaVuSansBold[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr char kNotoSansCjk[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
