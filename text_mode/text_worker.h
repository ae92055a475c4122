#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "name_text.h"
#include "png_writer.h"
#include "text_fonts.h"

// The one thread that sets names as images and keeps them in the cache folder, so that the
// game thread never waits for a font or a file. It makes no host call: the game thread
// makes the textures from the files it leaves.
class TextWorker {
public:
    // What opening the fonts has to tell the player: lines of the font list that cannot be
    // used, fonts that would not open; and whether the fonts were the player's own list.
    struct FontsReport {
        std::vector<std::string> lines;
        bool fromList = false;
    };

    // Makes the fonts on the worker's own thread, so that the switch costs the game thread
    // nothing: reading a list, mapping fonts and finding the system's may take a while.
    // Without fonts (none, or the opener threw) no name is set.
    using FontsOpener = std::function<std::unique_ptr<TextFonts>(FontsReport& report)>;

    enum class FontsState { opening, ready, noListedFont, noFont };

    TextWorker(FontsOpener openFonts, std::filesystem::path cacheFolder);
    // Drops the work not yet started and waits for the thread.
    ~TextWorker();
    TextWorker(const TextWorker&) = delete;
    TextWorker& operator=(const TextWorker&) = delete;

    // Hands the requests over, leaving `outbox` empty. With `wait` false it gives up at once
    // when the worker holds the queue (the requests stay in `outbox` for the next try), so
    // that a frame never waits on it.
    void send(std::vector<std::shared_ptr<NameRequest>>& outbox, bool wait);

    // Returns once everything sent has been worked on: for tests and the host runner.
    void waitUntilIdle();

    FontsState fontsState() const { return fontsState_.load(std::memory_order_acquire); }

    // The lines opening the fonts left for the player, once. A frame asks, so it never waits:
    // nothing also while the worker holds its lock.
    std::vector<std::string> takeFontLines();

    // Why the last name that could not be made failed, once; empty if none did since. A
    // frame asks, so it never waits: empty also while the worker holds its lock.
    std::string takeProblem();

private:
    void run();
    void start();
    void openFonts();
    void work(NameRequest& request);

    FontsOpener openFonts_;
    std::unique_ptr<TextFonts> fonts_;
    // Names are mostly transparent and white: the quickest packing is also small for them.
    pngfile::PngWriter writer_{pngfile::PngPacking::sparse, true};
    std::filesystem::path folder_;
    std::string fontsIdentity_;
    std::uintmax_t cacheFiles_ = 0;
    std::uintmax_t cacheBytes_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::shared_ptr<NameRequest>> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    // stopping_ for the prune, which looks without the lock.
    std::atomic<bool> stopRequested_{false};
    // The cache folder is a link: nothing is written there.
    bool cacheRefused_ = false;
    std::string problem_;
    std::vector<std::string> fontLines_;
    std::atomic<bool> fontLinesWaiting_{false};
    std::atomic<FontsState> fontsState_{FontsState::opening};
    // Set with problem_, so that a frame looks without taking the lock.
    std::atomic<bool> problemWaiting_{false};
    std::thread thread_;
};
