#pragma once

#include <iostream>
#include <locale>
#include <sstream>
#include <string>

// Save streams are always read and written under the classic locale; the
// tests make that explicit instead of relying on the process default.
inline std::istringstream ClassicInput(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return in;
}

inline std::ostringstream ClassicOutput() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

// Collects what is printed on standard output while it lives.
class CapturedOutput {
public:
    CapturedOutput() : previous(std::cout.rdbuf(captured.rdbuf())) {}
    ~CapturedOutput() { std::cout.rdbuf(previous); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* previous;
};
