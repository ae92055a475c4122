#include "Veltrona.h"
#include "glyph_file.h"
#include "name_size.h"
#include "names.h"
#include "path_text.h"
#include "player_glyphs.h"
#include "printable.h"
#include "utf8.h"

namespace {
// A missing glyph as the player can look for it: the character and its file's name.
std::string describeMissing(const MissingGlyph& glyph) {
    auto character = characterOfGlyphCode(glyph.code);
    std::string text = escapeControls(utf8::encode(character.value_or(U'\uFFFD')));
    text += " (";
    text += glyph.fileName;
    text += ')';
    return text;
}

std::string missingGlyphLine(const PlayerMissingGlyphs& player) {
    std::string line = veltrona::kLogNoGlyphImage;
    const auto& glyphs = player.glyphs;
    const auto named = std::min(glyphs.size(), veltrona::kMissingGlyphsNamed);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) line += ", ";
        line += describeMissing(glyphs[i]);
    }
    if (glyphs.size() > named) {
        line += veltrona::kLogNoGlyphMore;
        line += std::to_string(glyphs.size() - named);
        line += veltrona::kLogNoGlyphMoreAfter;
    }
    line += veltrona::kLogNoGlyphIn;
    line += escapeControls(player.keptName);
    line += '"';
    return line;
}
}  // namespace

void Veltrona::onTeamChanged(std::string) {
    guarded(veltrona::kWhatTeamChange, [this] { rebuild(); });
}

void Veltrona::rebuild() {
    auto report = rebuildRoster(roster_, *gameWrapper);
    if (!report.gameFound) return;
    // Without a glyph set every character would be named: the folder's line has said it all.
    if (!text_.standIn) logMissingGlyphs(report);
    // While the scoreboard is open the rows stay as the opening pruned them.
    if (overlay_.scoreboardClosed) logPrune(pruneRoster(roster_, *gameWrapper));
    // Rows go over their own team's block even when the scoreboard is already open.
    orderRoster(roster_);
    requestTextNames();
}

void Veltrona::onOpenScoreboard(std::string) {
    guarded(veltrona::kWhatOpen, [this] {
        // Opened again without a close in between: the rows and scores stay as they were.
        if (overlay_.scoreboardClosed) {
            logPrune(pruneRoster(roster_, *gameWrapper));
            refreshScores(roster_, *gameWrapper);
            // Names that could not be set (a full disk, say) are tried again at each opening.
            if (namesAsText(text_) && retryFailedNames(roster_.glyphs)) requestTextNames();
        }
        orderRoster(roster_);
        Veltrona* self = this;
        showOverlay(overlay_, *gameWrapper, [self](CanvasWrapper canvas) { self->drawFrame(canvas); });
    });
}

void Veltrona::onCloseScoreboard(std::string) {
    guarded(veltrona::kWhatClose, [this] { hideOverlay(overlay_, *gameWrapper); });
}

// A match that ends under an open scoreboard gets no closing: without this the next game
// would draw the old names over its play, and its first opening would skip the refresh.
void Veltrona::onMatchEnded(std::string) {
    guarded(veltrona::kWhatMatchEnd, [this] {
        cvarManager->log(veltrona::kLogMatchEnd);
        hideOverlay(overlay_, *gameWrapper);
        missingGlyphLines_ = 0;
        textProblemsTold_.clear();
    });
}

void Veltrona::drawFrame(CanvasWrapper canvas) {
    if (overlay_.drawingStopped) return;
    guarded(veltrona::kWhatDraw, [&] {
        // Stopped first: should the drawing throw, the next frames draw nothing.
        overlay_.drawingStopped = true;
        if (namesAsText(text_)) {
            updateNameImages(text_, roster_,
                             layout::nameSizeOn(gameWrapper->GetScreenSize(), overlay_.layoutChoice));
            reportTextProblem();
        }
        // What opening the fonts found is told at a frame: the switch does not wait for it.
        if (textWanted(text_) && text_.worker) reportFontLines();
        drawGlyphRows(overlay_, roster_, *gameWrapper, canvas);
        overlay_.drawingStopped = false;
    });
}

void Veltrona::reportGlyphFolder(GlyphFolderState state) {
    if (state == GlyphFolderState::ready) return;
    const auto folder = glyphFolder(dataFolder());
    std::string line = veltrona::kLogGlyphFolderBefore;
    line += escapeControls(displayText(folder));
    line += state == GlyphFolderState::missing ? veltrona::kLogGlyphFolderMissing
                                               : veltrona::kLogGlyphFolderEmpty;
    if (text_.standIn) line += veltrona::kLogGlyphFolderAsText;
    cvarManager->log(line);
}

void Veltrona::logPrune(const PruneReport& report) {
    for (int i = 0; i < report.nullPlayers; ++i) cvarManager->log(veltrona::kLogNullPlayer);
    for (const auto& key : report.erasedKeys)
        cvarManager->log(veltrona::kLogErasePrefix + escapeControls(key));
}

void Veltrona::logMissingGlyphs(const RebuildReport& report) {
    for (const auto& player : report.missing) {
        if (missingGlyphLines_ > veltrona::kMissingGlyphLinesPerMatch) return;
        if (missingGlyphLines_ == veltrona::kMissingGlyphLinesPerMatch) {
            cvarManager->log(veltrona::kLogMoreMissingGlyphs);
        } else {
            cvarManager->log(missingGlyphLine(player));
        }
        ++missingGlyphLines_;
    }
}
