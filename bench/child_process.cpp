#include "child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

extern char** environ;

namespace fs = std::filesystem;

fs::path binaryFolder() { return fs::canonical("/proc/self/exe").parent_path(); }

ChildRun runQuietly(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildRun result;
    if (spawned != 0) return result;
    int status = 0;
    if (wait4(child, &status, 0, &result.usage) != child) return result;
    result.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

ScratchFolders::~ScratchFolders() {
    std::error_code ignored;
    for (const auto& root : roots) fs::remove_all(root, ignored);
}

fs::path ScratchFolders::fresh(const fs::path& parent) {
    const auto root = parent / (prefix + "-" + std::to_string(getpid()));
    if (std::find(roots.begin(), roots.end(), root) == roots.end()) {
        fs::create_directories(root);
        roots.push_back(root);
    }
    return root / ("run-" + std::to_string(++runs));
}
