#pragma once

#include "tests/persist/StreamTestSupport.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <istream>
#include <ostream>
#include <string>

// One codec under the framing failures every reader shares. readFresh reads
// into an empty target, readFilled into one that already holds an element.
struct CodecFailureCase {
    // The test name; the codec's own name when codecName is empty.
    std::string name;
    std::string codecName;
    std::function<bool(std::istream&)> readFresh;
    std::function<bool(std::istream&)> readFilled;
    // The printed line for a target that is not empty; empty if not checked.
    std::string notEmptyLine;
    // Printed when the stream ends after the count: the first element fails.
    std::string truncatedOutput;
    // An element the codec cannot read, after "Ver 0.1 1 ", and the output.
    std::string badElement;
    std::string badElementOutput;
    // Printed for a count of four billion without elements, if that differs
    // from truncatedOutput.
    std::optional<std::string> hostileCountOutput;

    std::string prefix() const {
        return "GameParams::Load::" + (codecName.empty() ? name : codecName) + "() - ";
    }
};

inline void PrintTo(const CodecFailureCase& c, std::ostream* os) {
    *os << c.name;
}

template <class Container, class Read>
CodecFailureCase MakeCase(std::string name, Read read, Container filled, std::string notEmpty) {
    CodecFailureCase c;
    c.name = name;
    c.readFresh = [read](std::istream& in) {
        Container target{};
        return read(in, target);
    };
    c.readFilled = [read, filled](std::istream& in) {
        Container target = filled;
        const bool ok = read(in, target);
        EXPECT_EQ(target, filled) << "a refused target is left as it was";
        return ok;
    };
    if (!notEmpty.empty()) {
        c.notEmptyLine = "GameParams::Load::" + name + "() - " + notEmpty + "\n";
    }
    return c;
}

struct ReadResult {
    bool ok;
    std::string printed;
};

inline ReadResult ReadWith(const std::function<bool(std::istream&)>& read, const std::string& text,
                           bool failStreamFirst = false) {
    auto in = ClassicInput(text);
    if (failStreamFirst) {
        in.setstate(std::ios::failbit);
    }
    CapturedOutput captured;
    const bool ok = read(in);
    return {ok, captured.text()};
}

class CodecFailures : public ::testing::TestWithParam<CodecFailureCase> {};
