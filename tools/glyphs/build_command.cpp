#include "build_command.h"

#include <chrono>
#include <iomanip>
#include <system_error>

#include "build_plan.h"
#include "font_stack.h"
#include "glyph_files.h"
#include "glyph_workers.h"
#include "output_file.h"
#include "png_error.h"
#include "progress_bar.h"
#include "tool_error.h"

namespace {

// Looked at before anything is drawn, so that a refused build changes nothing.
void refuseUnreplaceableOutputs(const std::vector<GlyphJob>& jobs, const std::filesystem::path& folder) {
    std::string first;
    std::size_t count = 0;
    for (const auto& job : jobs) {
        auto path = folder / (job.stem + ".png");
        auto kind = files::unreplaceableKind(path);
        if (!kind) continue;
        if (count++ == 0) first = files::refusalMessage(path, *kind);
    }
    if (count == 0) return;
    if (count == 2) first += " (1 more glyph file is not a regular file either)";
    if (count > 2) {
        first += " (";
        first += std::to_string(count - 1);
        first += " more glyph files are not regular files either)";
    }
    first += "; nothing was written";
    throw files::OutputRefused(first);
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Leaves out what is there already: the characters drawn before, and those a font lacks
// whose files came from elsewhere. Returns how many files were there.
std::size_t keepOnlyMissing(GlyphPlan& plan, const std::filesystem::path& folder) {
    const auto there = [&](const std::string& stem) { return isRegularFile(folder / (stem + ".png")); };
    const auto jobs = plan.jobs.size();
    const auto lacking = plan.missing.size();
    std::erase_if(plan.jobs, [&](const GlyphJob& job) { return there(job.stem); });
    std::erase_if(plan.missing, [&](CodePoint cp) { return there(glyphJobStem(cp)); });
    return jobs - plan.jobs.size() + lacking - plan.missing.size();
}

}  // namespace

BuildResult buildGlyphSet(const BuildOptions& options, std::ostream& progressOut) {
    const auto start = std::chrono::steady_clock::now();
    BuildResult result;
    result.folder = glyphFolder(options.dataFolder);

    std::vector<FontSource> sources{options.font};
    sources.insert(sources.end(), options.fallbacks.begin(), options.fallbacks.end());
    FontStack fonts(sources);
    result.metrics = rasterMetrics(fonts.main().face());
    result.writtenPerFont.assign(fonts.size(), 0);
    for (std::size_t i = 0; i < fonts.size(); ++i) result.fontNames.push_back(fonts.at(i).name());

    auto plan = planBuild(options.characters, fonts);
    if (options.onlyMissing) result.alreadyThere = keepOnlyMissing(plan, result.folder);
    for (const auto& job : plan.jobs) ++result.writtenPerFont[job.font];
    std::vector<FontSource> drawing;
    for (auto font : keepFontsInUse(plan.jobs, fonts.size())) drawing.push_back(sources[font]);

    std::error_code error;
    std::filesystem::create_directories(result.folder, error);
    if (error) throw ToolError("cannot create '" + result.folder.string() + "': " + error.message());

    refuseUnreplaceableOutputs(plan.jobs, result.folder);

    ProgressBar progress(progressOut, plan.jobs.size(), options.progressBar);
    result.fitted = renderGlyphs(plan.jobs, drawing, result.folder, options.threads, progress);

    result.written = plan.jobs.size();
    result.missing = std::move(plan.missing);
    result.noFileNeeded = std::move(plan.noFileNeeded);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

void printBuildSummary(const BuildResult& result, std::ostream& out) {
    out << "Wrote " << result.written << " glyph images to " << result.folder.string() << " in " << std::fixed
        << std::setprecision(1) << result.seconds << " s (" << result.fontNames.front() << ", "
        << result.metrics.pixelsPerEm << " pixels per em).\n";
    if (result.alreadyThere > 0) {
        out << "  " << result.alreadyThere << (result.alreadyThere == 1 ? " file was" : " files were")
            << " there already and left as " << (result.alreadyThere == 1 ? "it was" : "they were") << ".\n";
    }
    for (std::size_t i = 1; i < result.fontNames.size(); ++i) {
        // The default set offers every Noto font, and many draw nothing the chain lacks.
        if (result.writtenPerFont[i] == 0) continue;
        out << "  " << result.writtenPerFont[i] << " of them from the fallback " << result.fontNames[i]
            << ".\n";
    }
    if (result.fitted > 0) {
        out << result.fitted << (result.fitted == 1 ? " glyph" : " glyphs") << " moved or scaled to fit "
            << (result.fitted == 1 ? "its cell" : "their cells") << ", so that no ink is cut.\n";
    }
    if (!result.missing.empty()) {
        out << "Missing from the font" << (result.fontNames.size() > 1 ? "s" : "") << ", so not written ("
            << result.missing.size() << "): " << formatCodePointRuns(result.missing) << "\n";
    }
    if (!result.noFileNeeded.empty()) {
        out << "No image needed, as names are drawn without them (joiners, variation selectors): "
            << formatCodePointRuns(result.noFileNeeded) << "\n";
    }
}
