#include "progress_bar.h"

#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr std::size_t kBarWidth = 40;
}

ProgressBar::ProgressBar(std::ostream& out, std::size_t total, bool enabled)
    : out(out), total(total), enabled(enabled && total > 0) {}

void ProgressBar::show(std::size_t done) {
    if (!enabled) return;
    shown = true;
    const std::size_t filled = done * kBarWidth / total;
    out << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] " << done << "/"
        << total << " glyphs" << std::flush;
}

void ProgressBar::finish() {
    if (!enabled) return;
    show(total);
    stop();
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void ProgressBar::stop() {
    if (shown) out << "\n" << std::flush;
    shown = false;
}
