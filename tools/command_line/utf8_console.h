#pragma once

// While it lives, a Windows console shows the program's UTF-8 output as UTF-8 rather than
// in the console's own code page (names, and paths under a user folder such as 太郎, would
// come out garbled); the console's code page is put back when it goes. Elsewhere, and when
// the output is not a console, it does nothing.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    [[maybe_unused]] unsigned previousCodePage = 0;
};
