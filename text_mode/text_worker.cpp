#include "text_worker.h"

#include <exception>
#include <utility>

#include "name_cache.h"
#include "name_image.h"
#include "path_text.h"

namespace {
// Pruned below the bound, so that a long evening prunes now and then, not at every name.
constexpr CacheBound kPruneTarget{kCacheBound.files / 10 * 9, kCacheBound.bytes / 10 * 9};
}  // namespace

TextWorker::TextWorker(FontsOpener openFonts, std::filesystem::path cacheFolder)
    : openFonts_(std::move(openFonts)),
      folder_(std::move(cacheFolder)),
      busy_(true),
      thread_([this] { run(); }) {}

TextWorker::~TextWorker() {
    stopRequested_.store(true, std::memory_order_relaxed);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void TextWorker::send(std::vector<std::shared_ptr<NameRequest>>& outbox, bool wait) {
    if (outbox.empty()) return;
    std::unique_lock lock(mutex_, std::defer_lock);
    if (wait) {
        lock.lock();
    } else if (!lock.try_lock()) {
        return;
    }
    for (auto& request : outbox) queue_.push_back(std::move(request));
    outbox.clear();
    lock.unlock();
    wake_.notify_one();
}

void TextWorker::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return stopping_ || (queue_.empty() && !busy_); });
}

std::string TextWorker::takeProblem() {
    if (!problemWaiting_.load(std::memory_order_acquire)) return {};
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock()) return {};
    problemWaiting_.store(false, std::memory_order_relaxed);
    return std::exchange(problem_, {});
}

std::vector<std::string> TextWorker::takeFontLines() {
    if (!fontLinesWaiting_.load(std::memory_order_acquire)) return {};
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock()) return {};
    fontLinesWaiting_.store(false, std::memory_order_relaxed);
    return std::exchange(fontLines_, {});
}

void TextWorker::openFonts() {
    FontsReport report;
    try {
        fonts_ = openFonts_(report);
    } catch (const std::exception& error) {
        report.lines.emplace_back(error.what());
    }
    {
        std::lock_guard lock(mutex_);
        fontLines_ = std::move(report.lines);
        fontLinesWaiting_.store(!fontLines_.empty(), std::memory_order_release);
    }
    const auto none = report.fromList ? FontsState::noListedFont : FontsState::noFont;
    fontsState_.store(fonts_ ? FontsState::ready : none, std::memory_order_release);
}

void TextWorker::start() {
    openFonts();
    if (!fonts_) return;
    if (cacheFolderIsLinked(folder_)) {
        cacheRefused_ = true;
        std::lock_guard lock(mutex_);
        problem_ = "the cache folder \"" + displayText(folder_) +
                   "\" is a link or a junction, which Veltrona does not write through";
        problemWaiting_.store(true, std::memory_order_release);
        return;
    }
    try {
        fontsIdentity_ = fontsIdentity(*fonts_);
        // What the cache holds is counted once, as it is pruned to its bound for this load;
        // from then on the worker counts what it adds.
        const auto usage = pruneCache(folder_, kPruneTarget, &stopRequested_);
        cacheFiles_ = usage.files;
        cacheBytes_ = usage.bytes;
    } catch (const std::exception& error) {
        std::lock_guard lock(mutex_);
        problem_ = error.what();
        problemWaiting_.store(true, std::memory_order_release);
    }
}

void TextWorker::run() {
    start();
    for (;;) {
        std::shared_ptr<NameRequest> request;
        {
            std::unique_lock lock(mutex_);
            if (queue_.empty()) {
                busy_ = false;
                idle_.notify_all();
            }
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) {
                idle_.notify_all();
                return;
            }
            request = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
        }
        // Only the queue holds it: its player left or was renamed, and nobody will draw it.
        if (request.use_count() == 1) continue;
        try {
            work(*request);
        } catch (const std::exception& error) {
            request->state.store(NameState::failed, std::memory_order_release);
            std::lock_guard lock(mutex_);
            problem_ = error.what();
            problemWaiting_.store(true, std::memory_order_release);
        } catch (...) {
            request->state.store(NameState::failed, std::memory_order_release);
        }
    }
}

void TextWorker::work(NameRequest& request) {
    // The player hears of missing fonts once, from fontsState, not once per name.
    if (!fonts_ || cacheRefused_) {
        request.state.store(NameState::failed, std::memory_order_release);
        return;
    }
    const auto fileName =
        cacheFileName(request.name, fontsIdentity_, request.size.height, request.size.maxWidth);
    auto file = folder_ / fileName;
    auto offset = useCachedImage(file);
    if (!offset) {
        const auto set =
            setName(*fonts_, request.name, request.size.height, request.size.maxWidth, CutMark::ellipsis);
        // A name of nothing but spaces has no ink: its row keeps its glyph files.
        if (set.image.width == 0) {
            request.state.store(NameState::failed, std::memory_order_release);
            return;
        }
        offset = pngfile::ImageOffset{set.offsetX(), set.offsetY()};
        const auto written = storeNameImage(writer_, folder_, fileName, set.image, *offset);
        if (written > 0) {
            ++cacheFiles_;
            cacheBytes_ += written;
        }
        if (cacheFiles_ > kCacheBound.files || cacheBytes_ > kCacheBound.bytes) {
            const auto usage = pruneCache(folder_, kPruneTarget, &stopRequested_);
            cacheFiles_ = usage.files;
            cacheBytes_ = usage.bytes;
        }
    }
    request.file = std::move(file);
    request.offsetX = offset->x;
    request.offsetY = offset->y;
    request.state.store(NameState::ready, std::memory_order_release);
}
