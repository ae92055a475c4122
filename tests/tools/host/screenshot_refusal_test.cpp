// A runner built without libpng refuses --screenshot at once, in one line, and runs nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "module_loader.h"
#include "run_program.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

TEST(Screenshot, IsRefusedSayingItNeedsTheNativeRunner) {
    auto scratch = fs::current_path() / "screenshot_refusal_test.work";
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    auto result = runProgram(hostrun::executableDir() / VELTRONA_HOST_RUNNER,
                             {utf8(fs::path(VELTRONA_SOURCE_DIR) / "examples" / "match.json"), "--trace",
                              utf8(scratch / "trace.jsonl"), "--screenshot", utf8(scratch / "shot.png")},
                             scratch);
    EXPECT_EQ(result.status, 2);
    auto message = result.err;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    EXPECT_EQ(message,
              "veltrona-host: --screenshot: screenshots need the native runner (veltrona-host of the dev or "
              "release build); this Windows build cannot write PNG files");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(fs::exists(scratch / "trace.jsonl"));
    EXPECT_FALSE(fs::exists(scratch / "shot.png"));
}

}  // namespace
