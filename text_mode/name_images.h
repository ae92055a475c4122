#pragma once

#include <memory>
#include <vector>

#include "name_text.h"
#include "roster.h"
#include "text_worker.h"

// Names drawn as text, on the game thread: the player's choice, the worker once it is
// running, and the size the names are set at for the screen and layout of the moment.
struct TextNames {
    bool chosen = false;
    // The glyph set was missing at the switch: names are set as text though the player's
    // choice, which stays saved, is glyph files.
    bool standIn = false;
    std::unique_ptr<TextWorker> worker;  // from the first switch to text until unload
    NameSize size;
    // Requests made but not yet handed to the worker, which was busy with its queue.
    std::vector<std::shared_ptr<NameRequest>> outbox;
    // Every request of the roster's rows has its image or has failed: frames need not look.
    bool settled = true;
    // The console has heard that the worker found no font to set names with.
    bool fontsOutcomeTold = false;
};

// A frame makes at most this many textures from finished names: each is a file read and an
// upload in the host, and a lobby's worth at once would stall that frame.
inline constexpr int kNameImagesPerFrame = 4;

inline bool textWanted(const TextNames& names) { return names.chosen || names.standIn; }

// Wanted, and the worker has fonts or is still opening them: names it cannot set stay drawn
// from glyph files either way.
inline bool namesAsText(const TextNames& names) {
    if (!textWanted(names) || names.worker == nullptr) return false;
    const auto state = names.worker->fontsState();
    return state == TextWorker::FontsState::opening || state == TextWorker::FontsState::ready;
}

// Gives every record without a request for `size` a new one (its old image goes) and hands
// them to the worker; with `wait` false, as a frame does, only if the worker's queue is free.
void requestNames(TextNames& names, GlyphStore& store, NameSize size, bool wait);

// Per frame: sets the names again when the size changed, hands over what waits, and makes
// the textures of up to kNameImagesPerFrame finished names, rows in order.
void updateNameImages(TextNames& names, Roster& roster, NameSize size);

// Drops the requests that failed, so that the next requestNames sets those names again;
// whether there were any.
bool retryFailedNames(GlyphStore& store);

// Back to glyph files: every name image and request goes.
void dropNameImages(TextNames& names, GlyphStore& store);
