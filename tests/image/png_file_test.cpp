// PNG files written and read back through the shared libpng code.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include "png_error.h"
#include "png_reader.h"
#include "png_writer.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own holding the file under test, so that what else a writer leaves in
// the folder shows.
class PngFile : public testing::Test {
protected:
    std::vector<std::string> folderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder scratch;
    const fs::path folder = scratch.path();
    const fs::path file = folder / "image.png";
};

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

pngfile::RgbaImage gradient(int width, int height) {
    // Sized once and written by index: GCC 12 at -O2 misreads an insert of an initializer
    // list here as an overflow (-Wstringop-overflow).
    pngfile::RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    auto* pixel = image.rgba.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            *pixel++ = static_cast<std::uint8_t>(x * 9);
            *pixel++ = static_cast<std::uint8_t>(y * 7);
            *pixel++ = static_cast<std::uint8_t>(x + y);
            *pixel++ = static_cast<std::uint8_t>(x * y);
        }
    }
    return image;
}

TEST_F(PngFile, ReadsBackEveryPixelWritten) {
    auto image = gradient(23, 11);
    pngfile::PngWriter().write(image, file);
    auto read = pngfile::readPng(file, {.maxSide = 64, .maxBytes = 4096});
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->width, 23);
    EXPECT_EQ(read.image->height, 11);
    EXPECT_EQ(read.image->rgba, image.rgba);
}

// A glyph as the tool draws one: white, its shape in the alpha, soft at the edges.
pngfile::RgbaImage whiteGlyph(int width, int height) {
    pngfile::RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            auto* pixel = &image.rgba[(std::size_t(y) * width + x) * 4];
            const int distance = std::abs(x - width / 2) + std::abs(y - height / 2);
            const auto alpha = static_cast<std::uint8_t>(std::clamp(255 - 16 * (distance - 8), 0, 255));
            pixel[0] = pixel[1] = pixel[2] = alpha == 0 ? 0 : 255;
            pixel[3] = alpha;
        }
    }
    return image;
}

// The PNG colour type, from the header: 4 grey with alpha, 6 RGBA.
int colourType(const fs::path& file) { return static_cast<unsigned char>(contents(file).at(25)); }

// A blank character's file: clear all over.
pngfile::RgbaImage blank(int width, int height) {
    return {width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
}

// An emoji as a colour font draws one: flat patches of a few colours, soft-edged.
pngfile::RgbaImage colourGlyph(int width, int height) {
    auto image = whiteGlyph(width, height);
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        const auto column = (i / 4) % static_cast<std::size_t>(width);
        image.rgba[i + 1] = column < static_cast<std::size_t>(width) / 2 ? 200 : 90;
        image.rgba[i + 2] = 40;
    }
    return image;
}

struct PackingCase {
    const char* label;
    pngfile::RgbaImage image;
    int packedColourType;
    bool smallerThanFast;

    friend void PrintTo(const PackingCase& c, std::ostream* os) { *os << c.label; }
};

class PngPacking : public PngFile, public testing::WithParamInterface<PackingCase> {};

// A glyph file reads back pixel for pixel through libpng as the plain RGBA one does; a
// white glyph goes as grey with alpha, half the channels before compression.
TEST_P(PngPacking, CompactReadsBackAsTheFastOne) {
    const auto& c = GetParam();
    const auto fast = folder / "fast.png";
    pngfile::PngWriter().write(c.image, fast);
    pngfile::PngWriter(pngfile::PngPacking::compact).write(c.image, file);
    const pngfile::PngLimits limits{.maxSide = 256, .maxBytes = 1 << 20};
    auto packed = pngfile::readPng(file, limits);
    auto plain = pngfile::readPng(fast, limits);
    ASSERT_TRUE(packed.image) << packed.error;
    ASSERT_TRUE(plain.image) << plain.error;
    EXPECT_EQ(packed.image->width, c.image.width);
    EXPECT_EQ(packed.image->height, c.image.height);
    EXPECT_EQ(packed.image->rgba, c.image.rgba);
    EXPECT_EQ(plain.image->rgba, c.image.rgba);
    EXPECT_EQ(colourType(file), c.packedColourType);
    EXPECT_EQ(colourType(fast), 6);
    if (c.smallerThanFast) {
        EXPECT_LT(fs::file_size(file), fs::file_size(fast));
    }
}

INSTANTIATE_TEST_SUITE_P(Images, PngPacking,
                         testing::Values(PackingCase{"white_glyph", whiteGlyph(84, 114), 4, true},
                                         PackingCase{"blank", blank(84, 114), 4, true},
                                         PackingCase{"colour_glyph", colourGlyph(84, 114), 6, true},
                                         PackingCase{"colour", gradient(84, 114), 6, false}),
                         [](const auto& info) { return std::string(info.param.label); });

// One writer, as a tool keeps it, through pictures that grow and shrink, white and in
// colour: each file reads back whole, however the memory of the last one is taken up again.
class PngWriterInTurn : public PngFile, public testing::WithParamInterface<pngfile::PngPacking> {};

std::string packingName(const testing::TestParamInfo<pngfile::PngPacking>& info) {
    switch (info.param) {
        case pngfile::PngPacking::fast:
            return "fast";
        case pngfile::PngPacking::sparse:
            return "sparse";
        case pngfile::PngPacking::compact:
            return "compact";
    }
    return "unknown";
}

TEST_P(PngWriterInTurn, WritesFileAfterFileOfAnySize) {
    pngfile::PngWriter writer(GetParam());
    const std::vector<pngfile::RgbaImage> images = {gradient(40, 12), whiteGlyph(250, 57),
                                                    gradient(3, 2),   whiteGlyph(912, 57),
                                                    gradient(1, 1),   whiteGlyph(84, 114)};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto path = folder / (std::to_string(i) + ".png");
        writer.write(images[i], path);
        auto read = pngfile::readPng(path, {.maxSide = 1024, .maxBytes = 1 << 20});
        ASSERT_TRUE(read.image) << i << ": " << read.error;
        EXPECT_EQ(read.image->width, images[i].width) << i;
        EXPECT_EQ(read.image->rgba, images[i].rgba) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Packings, PngWriterInTurn,
                         testing::Values(pngfile::PngPacking::fast, pngfile::PngPacking::sparse,
                                         pngfile::PngPacking::compact),
                         packingName);

TEST_F(PngFile, RefusesAnImageLargerThanAskedUnread) {
    pngfile::PngWriter().write(gradient(20, 5), file);
    const auto bytes = fs::file_size(file);

    auto wide = pngfile::readPng(file, {.maxSide = 10, .maxBytes = bytes});
    EXPECT_FALSE(wide.image);
    EXPECT_EQ(wide.error, "too large (20 x 5; at most 10 on a side)");

    auto heavy = pngfile::readPng(file, {.maxSide = 20, .maxBytes = bytes - 1});
    EXPECT_FALSE(heavy.image);
    EXPECT_EQ(heavy.error,
              "too large (" + std::to_string(bytes) + " bytes; at most " + std::to_string(bytes - 1) + ")");

    EXPECT_TRUE(pngfile::readPng(file, {.maxSide = 20, .maxBytes = bytes}).image);
}

// What stands at a glyph's path is not always a file: each of these is refused by what it
// is, unread, rather than read for ever or blocked on.
struct NotAFileCase {
    const char* label;
    void (*make)(const fs::path& at);
    const char* error;

    friend void PrintTo(const NotAFileCase& c, std::ostream* os) { *os << c.label; }
};

class PngNotAFile : public PngFile, public testing::WithParamInterface<NotAFileCase> {};

TEST_P(PngNotAFile, IsRefusedUnread) {
    GetParam().make(file);
    auto read = pngfile::readPng(file, {.maxSide = 64, .maxBytes = 4096});
    EXPECT_FALSE(read.image);
    EXPECT_EQ(read.error, GetParam().error);
}

std::vector<NotAFileCase> notAFileCases() {
    std::vector<NotAFileCase> cases = {
        {"nothing", [](const fs::path&) {}, "no such file"},
        {"folder", [](const fs::path& at) { fs::create_directory(at); }, "a folder, not a file"},
    };
    // Wine cannot make links.
#if !defined(_WIN32)
    cases.push_back({"dangling_link",
                     [](const fs::path& at) { fs::create_symlink(at.string() + ".gone", at); },
                     "no such file"});
    cases.push_back({"link_to_an_endless_device",
                     [](const fs::path& at) { fs::create_symlink("/dev/zero", at); }, "not a regular file"});
    cases.push_back({"named_pipe", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); },
                     "not a regular file"});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, PngNotAFile, testing::ValuesIn(notAFileCases()),
                         [](const testing::TestParamInfo<NotAFileCase>& info) { return info.param.label; });

TEST_F(PngFile, WritingIntoAMissingFolderNamesTheFile) {
    auto missing = folder / "none" / "x.png";
    try {
        pngfile::PngWriter().write(gradient(2, 2), missing);
        FAIL() << "wrote into a missing folder";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
}

TEST_F(PngFile, ReplacesARegularFileWholeAndLeavesNothingElse) {
    std::ofstream(file, std::ios::binary) << "an older, longer picture than the new one";
    auto image = gradient(3, 2);
    pngfile::PngWriter().write(image, file);
    auto read = pngfile::readPng(file, {.maxSide = 64, .maxBytes = 4096});
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->rgba, image.rgba);
    EXPECT_EQ(folderContents(), std::vector<std::string>{"image.png"});
}

#if !defined(_WIN32)
// A disk that fills up mid-write, played by a file size limit: the old picture stays, and
// so does nothing of the new one.
TEST_F(PngFile, FailedWriteKeepsTheOldFile) {
    std::ofstream(file, std::ios::binary) << "old picture";
    // Noise, which does not compress below the limit.
    auto image = gradient(128, 128);
    std::mt19937 noise(7);
    for (auto& byte : image.rgba) byte = static_cast<std::uint8_t>(noise());

    struct FileSizeLimit {
        explicit FileSizeLimit(rlim_t bytes) {
            getrlimit(RLIMIT_FSIZE, &saved);
            oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = saved;
            limit.rlim_cur = bytes;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        ~FileSizeLimit() {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        }
        rlimit saved{};
        void (*oldHandler)(int) = nullptr;
    };
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(pngfile::PngWriter().write(image, file), files::WriteError);
    }
    EXPECT_EQ(contents(file), "old picture");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"image.png"});
}
#endif

// What stands at an output path and is not a regular file is left exactly as it is.
struct OutputCase {
    const char* label;
    void (*make)(const fs::path& at);
    const char* kind;

    friend void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.label; }
};

class PngOutputRefused : public PngFile, public testing::WithParamInterface<OutputCase> {};

TEST_P(PngOutputRefused, WithOneLineNamingThePath) {
    const auto& c = GetParam();
    std::ofstream(folder / "other.png", std::ios::binary) << "kept";
    c.make(file);
    const auto type = fs::symlink_status(file).type();
    const auto before = folderContents();
    try {
        pngfile::PngWriter().write(gradient(2, 2), file);
        FAIL() << "wrote over " << c.label;
    } catch (const files::OutputRefused& e) {
        EXPECT_EQ(std::string(e.what()),
                  file.string() + ": is " + c.kind + ", not a regular file; it is left as it is");
    }
    EXPECT_EQ(fs::symlink_status(file).type(), type);
    EXPECT_EQ(folderContents(), before);
    EXPECT_EQ(contents(folder / "other.png"), "kept");
}

std::vector<OutputCase> outputCases() {
    std::vector<OutputCase> cases = {
        {"folder",
         [](const fs::path& at) {
             fs::create_directory(at);
             std::ofstream(at / "inside.png") << "kept";
         },
         "a folder"},
    };
#if !defined(_WIN32)
    cases.push_back({"link_to_a_file", [](const fs::path& at) { fs::create_symlink("other.png", at); },
                     "a symbolic link"});
    cases.push_back(
        {"dangling_link", [](const fs::path& at) { fs::create_symlink("gone.png", at); }, "a symbolic link"});
    cases.push_back(
        {"named_pipe", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); }, "a named pipe"});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, PngOutputRefused, testing::ValuesIn(outputCases()),
                         [](const testing::TestParamInfo<OutputCase>& info) { return info.param.label; });

}  // namespace
