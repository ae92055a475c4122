#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

// An empty folder of its own for one test, removed afterwards. Its name starts with
// `prefix` (UTF-8: a name outside ASCII tries the wide paths of Windows), then the test's.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "veltrona") {
        // ctest runs tests side by side in separate processes: a random part keeps them apart.
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = prefix + "-";
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
        folder = std::filesystem::temp_directory_path() / std::u8string(name.begin(), name.end());
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
