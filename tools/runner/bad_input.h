#pragma once

#include <stdexcept>

namespace hostrun {

// Input the runner refuses: a scenario, option or module it cannot use. The message is
// one line that names the file and, where there is one, the step or field.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace hostrun
