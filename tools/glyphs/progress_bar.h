#pragma once

#include <cstddef>
#include <ostream>

// A one-line bar redrawn in place; silent when disabled, as when standard error is not a
// terminal and carriage returns would only litter a log.
class ProgressBar {
public:
    ProgressBar(std::ostream& out, std::size_t total, bool enabled);

    void show(std::size_t done);
    // Draws the full bar and ends its line.
    void finish();
    // Ends the line where the bar stopped, so that an error message starts on its own.
    void stop();

private:
    std::ostream& out;
    std::size_t total;
    bool enabled;
    bool shown = false;
};

bool standardErrorIsTerminal();
