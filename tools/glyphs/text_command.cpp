#include "text_command.h"

#include <algorithm>
#include <system_error>

#include "batch_heap.h"
#include "file_kind.h"
#include "name_image.h"
#include "names_file.h"
#include "path_text.h"
#include "png_writer.h"
#include "printable.h"
#include "system_fonts.h"
#include "text_fonts.h"
#include "tool_error.h"

namespace {

// A name that draws nothing (only joiners, say) still gets a picture: one transparent column.
pngfile::RgbaImage emptyPicture(int height) {
    pngfile::RgbaImage empty;
    empty.width = 1;
    empty.height = height;
    empty.rgba.assign(static_cast<std::size_t>(height) * 4, 0);
    return empty;
}

std::string describe(const NameImage& set, int height) {
    std::string text = std::to_string(std::max(set.image.width, 1)) + " x " +
                       std::to_string(set.image.width > 0 ? set.image.height : height) +
                       " pixels, " + std::to_string(set.layout.clusters) +
                       (set.layout.clusters == 1 ? " cluster" : " clusters");
    if (set.layout.cut) text += ", cut to fit";
    return text;
}

void prepareFolder(const std::filesystem::path& folder) {
    std::error_code error;
    const auto type = std::filesystem::status(folder, error).type();
    if (type == std::filesystem::file_type::directory) return;
    if (type != std::filesystem::file_type::not_found) {
        throw BadInput("output " + quoted(folder) + " is " + filekind::describe(type).value_or("a file") +
                       ", not a folder for the names' pictures");
    }
    if (!std::filesystem::create_directories(folder, error) && error) {
        throw ToolError("cannot make the folder " + quoted(folder) + ": " + error.message());
    }
}

}  // namespace

void runText(const TextOptions& options, std::ostream& out) {
    std::vector<std::string> names = options.names;
    if (options.namesFile) {
        for (auto& line : readNamesFile(*options.namesFile)) names.push_back(std::move(line.name));
    }
    if (names.empty()) throw BadInput("no name to set");
    const bool oneName = !options.namesFile && names.size() == 1;
    if (oneName) {
        std::error_code error;
        const auto type = std::filesystem::status(options.output, error).type();
        if (type == std::filesystem::file_type::directory) {
            throw BadInput("output " + quoted(options.output) + " is a folder; name the PNG file to write");
        }
    } else {
        prepareFolder(options.output);
    }

    keepFreedHeapForBatch();
    TextFonts fonts(options.fonts);
    // What the chain lacks comes from the machine's other fonts, as in the plugin.
    SystemFonts system;
    fonts.setSystemFonts([&system](std::span<const char32_t> chars) { return system.fontFor(chars); });
    // Names are mostly transparent and white: the sparse packing writes them fastest.
    pngfile::PngWriter writer(pngfile::PngPacking::sparse);
    const auto empty = emptyPicture(options.size);
    const auto digits = std::to_string(names.size()).size();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto set = setName(fonts, names[i], options.size);
        std::filesystem::path file = options.output;
        if (!oneName) {
            auto number = std::to_string(i + 1);
            number.insert(0, digits - number.size(), '0');
            file /= number + ".png";
        }
        writer.write(set.image.width > 0 ? set.image : empty, file);
        out << displayText(file) << "  " << escapeControls(names[i]) << "  (" << describe(set, options.size)
            << ")\n";
    }
}
