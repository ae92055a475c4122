#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "TessarinPlugin.h"
#include "glyph_file.h"
#include "name_images.h"
#include "names.h"
#include "overlay.h"
#include "roster.h"
#include "settings_file.h"

// The plugin object: holds the roster and the overlay and wires the host's callbacks to
// them. The host never runs two handlers at once, so nothing is locked. Every handler the
// host calls catches what it can throw: an exception crossing into the host ends the game.
class Veltrona final : public Tessarin::Plugin::TessarinPlugin {
public:
    void onLoad() override;
    void onUnload() override;

    // The console command's handler: the words are the command's own name, then what the
    // player typed after it.
    void runCommand(const std::vector<std::string>& words);

    // Game events.
    void onTeamChanged(std::string eventName);
    void onOpenScoreboard(std::string eventName);
    void onCloseScoreboard(std::string eventName);
    void onMatchEnded(std::string eventName);

    const Roster& roster() const { return roster_; }
    const Overlay& overlay() const { return overlay_; }
    const TextNames& textNames() const { return text_; }

    // Returns once the text worker has set every name it was given: the host runner's hook,
    // which makes a scripted match draw the same on every run. The host never calls it.
    void waitForTextWork();

private:
    void readChoices();
    Settings choices() const;
    void choose(const Settings& chosen);
    void startTextNames();
    void requestTextNames();
    void reportTextProblem();
    void reportFontLines();
    std::filesystem::path dataFolder();
    GlyphFolderState glyphSetState() noexcept;
    void standInForGlyphs(GlyphFolderState glyphs);
    void switchOn();
    void hookGameEvents();
    void rebuild();
    void drawFrame(CanvasWrapper canvas);
    void reportGlyphFolder(GlyphFolderState state);
    void logPrune(const PruneReport& report);
    void logMissingGlyphs(const RebuildReport& report);
    void logFailure(std::string_view what, std::string_view why) noexcept;

    // Runs a handler's work; whatever it throws is logged and goes no further.
    template <typename Work>
    void guarded(std::string_view what, Work&& work) noexcept {
        try {
            work();
        } catch (const std::exception& error) {
            logFailure(what, error.what());
        } catch (...) {
            logFailure(what, veltrona::kLogUnknownError);
        }
    }

    Roster roster_;
    Overlay overlay_;
    // After the roster, so that it goes first: its worker stops before the records go.
    TextNames text_;
    // Hooked once per load: a host that adds a handler per call would otherwise run each
    // handler once for every time the command ran.
    bool hooked_ = false;
    int missingGlyphLines_ = 0;
    // Why names could not be set as text, each said once a match.
    std::vector<std::string> textProblemsTold_;
};
