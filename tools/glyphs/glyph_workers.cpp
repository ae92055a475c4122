#include "glyph_workers.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "glyph_raster.h"
#include "png_writer.h"

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

struct SharedWork {
    SharedWork(const std::vector<GlyphJob>& jobs, const std::vector<FontSource>& fonts,
               const std::filesystem::path& folder)
        : jobs(jobs), fonts(fonts), folder(folder) {}

    const std::vector<GlyphJob>& jobs;
    const std::vector<FontSource>& fonts;
    const std::filesystem::path& folder;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> fitted{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = 0;
    std::exception_ptr firstError;
};

void work(SharedWork& shared) {
    try {
        GlyphRasterizer rasterizer(shared.fonts);
        pngfile::PngWriter writer(pngfile::PngPacking::compact);
        for (std::size_t i = shared.next++; i < shared.jobs.size() && !shared.failed; i = shared.next++) {
            const auto& job = shared.jobs[i];
            writer.write(rasterizer.render(job.character, job.wide, job.font),
                         shared.folder / (job.stem + ".png"));
            if (rasterizer.fitted()) ++shared.fitted;
            ++shared.done;
        }
    } catch (...) {
        shared.failed = true;
        std::lock_guard lock(shared.mutex);
        if (!shared.firstError) shared.firstError = std::current_exception();
    }
    std::lock_guard lock(shared.mutex);
    --shared.running;
    shared.finished.notify_one();
}

}  // namespace

std::size_t renderGlyphs(const std::vector<GlyphJob>& jobs, const std::vector<FontSource>& fonts,
                         const std::filesystem::path& folder, unsigned threads, ProgressBar& progress) {
    SharedWork shared(jobs, fonts, folder);
    const auto count = static_cast<unsigned>(std::clamp<std::size_t>(jobs.size(), 1, std::max(threads, 1u)));
    shared.running = count;
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < count; ++i) workers.emplace_back(work, std::ref(shared));
    {
        std::unique_lock lock(shared.mutex);
        while (!shared.finished.wait_for(lock, kProgressInterval, [&] { return shared.running == 0; })) {
            progress.show(shared.done);
        }
    }
    for (auto& worker : workers) worker.join();
    if (shared.firstError) {
        progress.stop();
        std::rethrow_exception(shared.firstError);
    }
    progress.finish();
    return shared.fitted;
}
