#pragma once

// The host: owns the simulated game and the loaded module, and plays a scenario's steps
// through them, writing the trace as it goes.

#include <filesystem>
#include <memory>
#include <ostream>

#include "PluginExports.h"
#include "frame_record.h"
#include "module_loader.h"
#include "scenario.h"
#include "trace_writer.h"
#include "world.h"

namespace hostrun {

// Opens the module and checks what the host reads before anything else (the symbols
// `exports`, `getPlugin` and `deleteMe`, the interface number); throws BadInput naming
// the module file. The module is left open.
void openPluginModule(Module& module, const std::filesystem::path& path);

class Runner {
public:
    // keepLastFrame: remember each frame's draws for a screenshot; without one, frames cost
    // only their trace lines.
    Runner(std::filesystem::path module, const std::filesystem::path& dataFolder, std::ostream& trace,
           bool keepLastFrame);
    // A scenario may end with the module loaded, as a game may be closed with the plugin
    // running: the trace then ends with the last step's lines, and the module is let go
    // without a call into the plugin (its own teardown destroys the plugin object).
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Plays the steps in order. Throws BadInput if the module cannot be loaded, and
    // std::runtime_error naming the step if the plugin throws.
    void run(const Scenario& scenario);

    // The last frame drawn so far, or nothing before the first or when not kept.
    const DrawnFrame* lastFrame() const { return framesDrawn_ ? &lastFrame_ : nullptr; }

private:
    void step(const Step& step);
    void load();
    void unload();
    // Drops what the plugin left with the host, then unloads the module. The world's
    // callables are code of the module, so they go while it is still loaded.
    void release();

    std::filesystem::path modulePath_;
    sim::World world_;
    TraceWriter trace_;
    Module module_;
    std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* holder_ = nullptr;
    void (*deleteMe_)() = nullptr;
    bool keepLastFrame_;
    DrawnFrame lastFrame_;
    bool framesDrawn_ = false;
};

}  // namespace hostrun
