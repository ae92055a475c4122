#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

// An empty folder of its own for one test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        // ctest runs tests side by side in separate processes: a random part keeps them apart.
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "veltrona-glyphs-";
        if (test) {
            name += test->test_suite_name();
            name += '-';
            name += test->name();
        }
        name += '-';
        name += std::to_string(std::random_device{}());
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};
