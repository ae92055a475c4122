#include "runner.h"

#include <stdexcept>

#include "bad_input.h"
#include "paths.h"

namespace hostrun {
namespace {

using Holder = std::shared_ptr<Tessarin::Plugin::TessarinPlugin>;
using GetPlugin = Holder* (*)();
using DeleteMe = void (*)();
using WaitUntilIdle = void (*)();

void applyPatch(sim::Player& player, const PlayerPatch& patch) {
    if (patch.id) player.id = *patch.id;
    if (patch.name) player.name = *patch.name;
    if (patch.team) player.team = *patch.team;
    if (patch.score) player.score = *patch.score;
    if (patch.bot) player.bot = *patch.bot;
}

}  // namespace

void openPluginModule(Module& module, const std::filesystem::path& path) {
    auto name = displayText(path);
    std::string error;
    if (!module.open(path, error)) throw BadInput(name + ": cannot load the module: " + error);
    for (const char* symbol : {"exports", "getPlugin", "deleteMe"}) {
        if (module.symbol(symbol) == nullptr) {
            throw BadInput(name + ": the module does not export \"" + symbol + "\"");
        }
    }
    const auto* exports = static_cast<const PluginExports*>(module.symbol("exports"));
    if (exports->interfaceNumber != kHostInterfaceNumber) {
        throw BadInput(name + ": the module's interface number is " +
                       std::to_string(exports->interfaceNumber) + ", the host's is " +
                       std::to_string(kHostInterfaceNumber));
    }
}

Runner::Runner(std::filesystem::path module, const std::filesystem::path& dataFolder, std::ostream& trace,
               bool keepLastFrame)
    : modulePath_(std::move(module)), trace_(trace, world_), keepLastFrame_(keepLastFrame) {
    world_.dataFolder = dataFolder;
}

Runner::~Runner() {
    if (!module_.isOpen()) return;
    // The plugin object goes before its module, outside the system's unloading of it: a
    // plugin that stops a thread of its own could not wait for it there on Windows.
    if (deleteMe_ != nullptr) {
        try {
            deleteMe_();
        } catch (...) {
            // A destructor that throws is the module's fault; the module still goes.
        }
    }
    release();
}

void Runner::run(const Scenario& scenario) {
    world_.screen = scenario.screen;
    world_.online = scenario.online;
    world_.game = scenario.game;
    world_.players = scenario.players;
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        try {
            step(scenario.steps[i]);
        } catch (const BadInput&) {
            throw;
        } catch (const std::exception& e) {
            throw std::runtime_error("steps[" + std::to_string(i) + "]: the plugin failed: " + e.what());
        }
        trace_.flush();
    }
}

void Runner::step(const Step& s) {
    switch (s.kind) {
        case StepKind::load:
            load();
            break;
        case StepKind::unload:
            unload();
            break;
        case StepKind::wait:
            // A module may set work aside for a thread of its own; the host never waits for
            // it, but a scripted match does, so that its trace is the same on every run.
            if (auto hook = reinterpret_cast<WaitUntilIdle>(module_.symbol("waitUntilIdle"))) hook();
            trace_.wait();
            trace_.calls(world_);
            break;
        case StepKind::fire:
            // The line tells that a handler ran, which is known once it has; its calls
            // are still in the record, so they follow the line.
            if (world_.fire(s.text)) trace_.event(s.text);
            trace_.calls(world_);
            break;
        case StepKind::frames:
            for (std::uint64_t i = 0; i < s.count; ++i) {
                trace_.frame();
                world_.drawFrame();
                if (keepLastFrame_) {
                    recordFrame(world_, lastFrame_);
                    framesDrawn_ = true;
                }
                trace_.calls(world_);
                trace_.flush();
            }
            break;
        case StepKind::command:
            trace_.command(s.text);
            world_.runCommand(s.text);
            trace_.calls(world_);
            break;
        case StepKind::online:
            world_.online = s.flag;
            break;
        case StepKind::game:
            world_.game = s.flag;
            break;
        case StepKind::screen:
            world_.screen = s.screen;
            break;
        case StepKind::add:
            world_.players.push_back(s.player);
            break;
        case StepKind::remove:
            world_.players.erase(world_.players.begin() + static_cast<std::ptrdiff_t>(s.index));
            break;
        case StepKind::update:
            applyPatch(*world_.players[s.index], s.patch);
            break;
    }
}

void Runner::load() {
    openPluginModule(module_, modulePath_);
    trace_.load();
    auto getPlugin = reinterpret_cast<GetPlugin>(module_.symbol("getPlugin"));
    deleteMe_ = reinterpret_cast<DeleteMe>(module_.symbol("deleteMe"));
    holder_ = getPlugin();
    if (holder_ == nullptr || !*holder_) {
        holder_ = nullptr;
        module_.close();
        throw BadInput(displayText(modulePath_) + ": getPlugin returned no plugin");
    }
    auto& plugin = **holder_;
    plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world_.address());
    plugin.gameWrapper = std::make_shared<GameWrapper>(world_.address());
    plugin.onLoad();
    trace_.calls(world_);
}

void Runner::unload() {
    (*holder_)->onUnload();
    deleteMe_();
    trace_.calls(world_);
    trace_.unload(world_.hooks.size(), world_.drawables.size());
    release();
}

void Runner::release() {
    world_.commands.clear();
    world_.hooks.clear();
    world_.drawables.clear();
    holder_ = nullptr;
    deleteMe_ = nullptr;
    module_.close();
    // Whatever the module's teardown did is not part of the trace.
    world_.calls.clear();
}

}  // namespace hostrun
