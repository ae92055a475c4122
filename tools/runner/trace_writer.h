#pragma once

// The run's trace as JSON Lines: "host" lines for the host calling into the plugin, "call"
// lines for the plugin calling the host, one object a line, in the order things happen.

#include <cstddef>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "world.h"

namespace hostrun {

class TraceWriter {
public:
    // Image paths are written relative to the world's data folder.
    TraceWriter(std::ostream& out, const sim::World& world);

    void load();
    void event(const std::string& name);
    void frame();
    void wait();
    void command(const std::string& line);
    void unload(std::size_t hooks, std::size_t drawables);

    // Writes the calls the world recorded since the last time, then forgets them and the
    // images released meanwhile, so that a long run keeps no more than one step's calls and
    // the images the plugin still holds.
    void calls(sim::World& world);

    void flush();

private:
    void call(const sim::Call& call);
    const std::string* imagePath(int handle);

    std::ostream& out_;
    const sim::World& world_;
    std::unordered_map<int, std::string> imagePaths_;  // by image handle, made once each
};

}  // namespace hostrun
