#pragma once

#include <limits>
#include <ostream>

namespace GameParams::Save {

// Writes a number with every digit it needs to read back unchanged. The
// stream's default six significant digits would cost a large balance its
// cents, or a long game its minutes, on every save. Readers need no change.
template <class T> struct Exact { T value; };

template <class T> std::ostream& operator<<(std::ostream& out, Exact<T> number) {
    const std::streamsize previous = out.precision(std::numeric_limits<T>::max_digits10);
    out << number.value;
    out.precision(previous);
    return out;
}

} // namespace GameParams::Save
