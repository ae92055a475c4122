// A plugin that makes every host call the runner traces, steered by console commands and
// events, so that the runner is checked end to end whatever the Veltrona plugin does.
//
// "probe hook" hooks Probe.Open (load two glyph images, say whether their files are there,
// register the drawable), Probe.Close (unregister drawables) and Probe.Report (log what the
// host reports). onUnload unhooks only Probe.Report, leaving two hooks and any drawable
// behind for the host to count.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "PluginExports.h"
#include "module_export.h"

namespace {

// The host's data folder as a path, as Veltrona makes it: Windows paths are wide already;
// elsewhere wchar_t holds UTF-32, which a path would read through the ASCII-only C locale.
std::filesystem::path pathFromWide(const std::wstring& wide) {
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return std::filesystem::path(wide);
    } else {
        return std::filesystem::path(std::u32string(wide.begin(), wide.end()));
    }
}

class Probe : public Tessarin::Plugin::TessarinPlugin {
public:
    void onLoad() override {
        cvarManager->registerNotifier(
            "probe", [this](std::vector<std::string> words) { command(words); }, "runner probe", 200);
        cvarManager->executeCommand("probe hook", true);
    }

    void onUnload() override { gameWrapper->UnhookEvent("Probe.Report"); }

    std::vector<std::shared_ptr<ImageWrapper>> images;

private:
    void command(const std::vector<std::string>& words) {
        std::string shown = "words";
        for (const auto& word : words) shown += " [" + word + "]";
        cvarManager->log(shown);
        if (words.size() > 1 && words[1] == "hook") {
            gameWrapper->HookEvent("Probe.Open", [this](std::string) { open(); });
            gameWrapper->HookEvent("Probe.Close",
                                   [this](std::string) { gameWrapper->UnregisterDrawables(); });
            gameWrapper->HookEvent("Probe.Report", [this](std::string) { report(); });
        }
    }

    void open() {
        auto folder = pathFromWide(gameWrapper->GetDataFolderW()) / "assets" / "png";
        for (const char* file : {"3042.png", "65.png"}) {
            auto path = folder / file;
            images.push_back(std::make_shared<ImageWrapper>(path, true, false));
            bool found = std::ifstream(path, std::ios::binary).good();
            cvarManager->log(std::string(file) + (found ? " found" : " missing"));
        }
        gameWrapper->RegisterDrawable([this](CanvasWrapper canvas) { draw(canvas); });
    }

    // Components above 127 pass through a signed char; the trace must show them unsigned.
    void draw(CanvasWrapper canvas) {
        auto screen = gameWrapper->GetScreenSize();
        canvas.SetColor(static_cast<char>(255), static_cast<char>(128), 0, static_cast<char>(200));
        std::int32_t x = screen.X - 100;
        for (const auto& image : images) {
            canvas.SetPosition({x, screen.Y / 2});
            canvas.DrawTexture(image.get(), x % 2 == 0 ? 0.5f : 1.1f);
            x += 43;
        }
    }

    void report() {
        bool online = gameWrapper->IsInOnlineGame();
        auto screen = gameWrapper->GetScreenSize();
        cvarManager->log(std::string(online ? "online" : "offline") + " screen " + std::to_string(screen.X) +
                         "x" + std::to_string(screen.Y));
        ServerWrapper game = online ? gameWrapper->GetOnlineGame() : gameWrapper->GetGameEventAsServer();
        if (game.IsNull()) {
            cvarManager->log("no game");
            return;
        }
        auto players = game.GetPRIs();
        for (int i = 0; i < players.Count(); ++i) {
            auto player = players.Get(i);
            if (player.IsNull()) {
                cvarManager->log(std::to_string(i) + " null");
                continue;
            }
            cvarManager->log(std::to_string(i) + " " + player.GetUniqueIdWrapper().GetIdString() + " " +
                             player.GetOldName().ToString() + " team " + std::to_string(player.GetTeamNum()) +
                             " score " + std::to_string(player.GetMatchScore()) +
                             (player.GetbBot() ? " bot" : ""));
        }
    }
};

std::shared_ptr<Tessarin::Plugin::TessarinPlugin> holder;

}  // namespace

extern "C" {

TEST_MODULE_EXPORT std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* getPlugin() {
    if (!holder) holder = std::shared_ptr<Tessarin::Plugin::TessarinPlugin>(new Probe());
    return &holder;
}

TEST_MODULE_EXPORT void deleteMe() {
    auto released = std::move(holder);
    holder.reset();
}

TEST_MODULE_EXPORT PluginExports exports = {
    kHostInterfaceNumber, __FILE__, "Probe", "Probe", "1.0.0.0", kPluginKindThreaded, &getPlugin, &deleteMe,
};

}  // extern "C"
