#include "Expectation.hpp"

#include <cmath>
#include <locale>
#include <sstream>

namespace {

std::optional<double> AsNumber(const std::string& text) {
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    double value = 0;
    if (!(stream >> value) || !stream.eof() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <class T> std::optional<bool> Apply(const T& a, const std::string& op, const T& b) {
    if (op == "==")
        return a == b;
    if (op == "!=")
        return a != b;
    if (op == "<")
        return a < b;
    if (op == "<=")
        return a <= b;
    if (op == ">")
        return a > b;
    if (op == ">=")
        return a >= b;
    return std::nullopt;
}

} // namespace

std::optional<bool> Compare(const std::string& actual, const std::string& op,
                            const std::string& expected) {
    const auto a = AsNumber(actual);
    const auto b = AsNumber(expected);
    if (a && b)
        return Apply(*a, op, *b);
    return Apply(actual, op, expected);
}
