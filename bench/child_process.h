#pragma once

// Programs run whole by the benchmarks that time a tool as a player runs it, against a peer
// doing the same work.

#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

// This benchmark's own folder, where the tools it runs are built.
std::filesystem::path binaryFolder();

struct ChildRun {
    bool succeeded = false;  // ran and exited 0
    rusage usage{};          // its CPU time and peak memory
};

// Runs the command, its program looked up on the PATH unless given as a path, with its output
// thrown away, and waits for it.
ChildRun runQuietly(const std::vector<std::string>& command);

// Every folder a run wrote into, removed only when the benchmarks are done. No run then pays
// for deleting the files of the one before, nor, on ext4 without a journal, for the system
// time of scanning past the inodes they freed, which no player running the tool once pays.
class ScratchFolders {
public:
    // `prefix` names this benchmark's folders: PREFIX-PID under each parent.
    explicit ScratchFolders(std::string prefix) : prefix(std::move(prefix)) {}
    ScratchFolders(const ScratchFolders&) = delete;
    ScratchFolders& operator=(const ScratchFolders&) = delete;
    ~ScratchFolders();

    // A new folder's path under `parent`, not yet made, for a run to make and fill.
    std::filesystem::path fresh(const std::filesystem::path& parent = std::filesystem::temp_directory_path());

private:
    std::string prefix;
    std::vector<std::filesystem::path> roots;
    int runs = 0;
};
