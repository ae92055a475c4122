#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

// An empty folder of its own for one test: a host's data folder, a cache, a tool's output.
// It lies in `scratch` of the working folder (ctest's: the build's bin folder), not in the
// system's temporary folder: under Wine that is on drive C:, where the Debian font paths
// the tests name ("/usr/share/fonts/...", from the root of the current drive) lead nowhere.
// Its name starts with `prefix` (UTF-8: a name outside ASCII tries the wide paths of
// Windows), then the test's. It is removed afterwards, unless the test failed: then it
// stays, and one line says where, so that its traces and images can be looked at.
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
        folder = std::filesystem::current_path() / "scratch" / std::u8string(name.begin(), name.end());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ScratchFolder() {
        // Outside a test (a suite's shared folder) there is no one result to keep it for.
        if (testing::UnitTest::GetInstance()->current_test_info() && testing::Test::HasFailure()) {
            const auto text = folder.u8string();
            std::cerr << "kept for a look: ";
            std::cerr.write(reinterpret_cast<const char*>(text.data()),
                            static_cast<std::streamsize>(text.size()));
            std::cerr << "\n";
            return;
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};
