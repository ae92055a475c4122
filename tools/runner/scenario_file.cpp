#include "scenario_file.h"

#include <fstream>

#include "bad_input.h"
#include "file_kind.h"
#include "paths.h"

namespace hostrun {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr char kUnreadable[] = "cannot read the scenario file";

// "is 70000000 bytes", or for a file whose size says nothing (one of /proc, say, or one
// still growing) "is more than 67108864 bytes".
std::string tooLarge(const std::string& size) {
    return "is " + size + " bytes; a scenario file is at most " + std::to_string(kMaxScenarioBytes);
}

[[noreturn]] void refuse(const fs::path& file, const std::string& why) {
    throw BadInput(displayText(file) + ": " + why);
}

}  // namespace

std::string scenarioFileText(const fs::path& file) {
    std::error_code error;
    const auto type = fs::status(file, error).type();
    if (type == fs::file_type::not_found) refuse(file, "no such scenario file");
    if (auto kind = filekind::describe(type)) refuse(file, "is " + *kind + ", not a scenario file");
    const auto size = fs::file_size(file, error);
    if (!error && size > kMaxScenarioBytes) refuse(file, tooLarge(std::to_string(size)));

    std::ifstream in(file, std::ios::binary);
    if (!in) refuse(file, kUnreadable);
    // Read no further than the bound, even from a file that grows while it is read.
    std::string text;
    char chunk[kReadChunk];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxScenarioBytes)
            refuse(file, tooLarge("more than " + std::to_string(kMaxScenarioBytes)));
    }
    if (in.bad()) refuse(file, kUnreadable);
    return text;
}

}  // namespace hostrun
