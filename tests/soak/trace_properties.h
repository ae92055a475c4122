#pragma once

// What every trace of the Veltrona module must show, whatever the match: checked line by
// line, so a trace of any length is read in one pass.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace soak {

// How much of the plugin a trace exercised, so a run can tell that it drew at all.
struct TraceCounts {
    std::size_t lines = 0;
    std::size_t loads = 0;
    std::size_t drawnFrames = 0;  // frames in which a drawable of the plugin ran
    std::size_t textures = 0;
    std::size_t erasures = 0;
};

struct TraceFault {
    std::size_t line = 0;  // from 1
    std::string what;
    std::string text;  // the line itself, cut short
};

struct TraceCheck {
    TraceCounts counts;
    std::optional<TraceFault> fault;  // the first; the check stops there
};

TraceCheck checkTrace(std::istream& trace);

}  // namespace soak
