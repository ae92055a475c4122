#include "name_images.h"

void requestNames(TextNames& names, GlyphStore& store, NameSize size, bool wait) {
    names.size = size;
    // Rows may have changed even where no request did: the next frame looks again.
    names.settled = false;
    const bool room = size.height > 0 && size.maxWidth > 0;
    for (auto& [key, player] : store.players) {
        auto& text = player.text;
        if (text.request && text.request->size == size) continue;
        text.image.reset();
        text.request.reset();
        // No room on this screen: the row's glyphs are cut at the edge as they always are.
        if (!room) continue;
        text.request = std::make_shared<NameRequest>();
        text.request->name = player.name;
        text.request->size = size;
        names.outbox.push_back(text.request);
    }
    if (names.worker) names.worker->send(names.outbox, wait);
}

void updateNameImages(TextNames& names, Roster& roster, NameSize size) {
    // What this frame queues is made from the next frame on, whatever the worker's pace.
    if (size != names.size) {
        requestNames(names, roster.glyphs, size, false);
        return;
    }
    if (!names.outbox.empty()) names.worker->send(names.outbox, false);
    if (names.settled) return;
    int made = 0;
    bool waiting = false;
    for (const auto& row : roster.rows) {
        auto found = roster.glyphs.players.find(row.playerKey);
        if (found == roster.glyphs.players.end()) continue;
        auto& text = found->second.text;
        if (!text.request || text.image) continue;
        const auto state = text.request->state.load(std::memory_order_acquire);
        if (state == NameState::failed) continue;
        if (state == NameState::queued || made == kNameImagesPerFrame) {
            waiting = true;
            continue;
        }
        text.image = std::make_shared<ImageWrapper>(text.request->file, true, false);
        ++made;
    }
    names.settled = !waiting;
}

bool retryFailedNames(GlyphStore& store) {
    bool any = false;
    for (auto& [key, player] : store.players) {
        auto& text = player.text;
        if (!text.request || text.request->state.load(std::memory_order_acquire) != NameState::failed) continue;
        text = {};
        any = true;
    }
    return any;
}

void dropNameImages(TextNames& names, GlyphStore& store) {
    for (auto& [key, player] : store.players) player.text = {};
    names.outbox.clear();
    names.size = {};
    names.settled = true;
}
