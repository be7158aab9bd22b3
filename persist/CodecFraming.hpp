#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <type_traits>

// The framing every container in a save file shares: "Ver 0.1 count" and then
// the elements, each after one space. Readers and writers of every container
// shape go through these helpers so that the wording of the failure lines and
// the stream checks exist exactly once.
namespace GameParams::Framing {

// Stored in every container header; changing it breaks every save file.
constexpr float ContainerVersion = 0.1f;

constexpr const char* VectorNotEmpty = "Uebergebener Vector nicht leer!";
constexpr const char* QueueNotEmpty = "Uebergebene Queue nicht leer!";
constexpr const char* ListNotEmpty = "Uebergebene Liste nicht leer!";
constexpr const char* MapNotEmpty = "Uebergebene Map nicht leer!";

// Prints "GameParams::Load::<codec>() - <message>" as one line.
void Report(const char* codec, const std::string& message);

// One formatted extraction that refuses to start on a failed stream and
// reports whether the token was usable.
template <class T> bool Extract(std::istream& in, T& value) {
    if (in.fail()) {
        return false;
    }
    in >> value;
    return !in.fail();
}

// Enumerations are stored as signed 32-bit integers. The value is taken as
// read; the class that owns the enumeration judges it.
template <class Enum> bool ExtractEnum(std::istream& in, Enum& value) {
    std::int32_t raw = 0;
    if (!Extract(in, raw)) {
        return false;
    }
    value = static_cast<Enum>(raw);
    return true;
}

// Reads "Ver" and the version, reporting a wrong word or version under the
// codec's name.
bool ReadVersion(std::istream& in, const char* codec);

// Reads "Ver", the version and the element count, reporting a wrong word or
// version under the codec's name.
bool ReadHeader(std::istream& in, const char* codec, std::size_t& count);

// Reads count elements with readElement(in). The count comes from the file,
// so nothing is reserved by it: the container grows per element and the loop
// ends at the first failure, which a truncated or hostile file reaches after
// at most as many elements as it holds. A failing element is reported with
// failure as message unless failure is null: values that cannot be extracted
// stay silent like every failed stream read, and elements led by a key report
// their record's failure themselves so that a missing key stays silent too.
template <class ReadElement>
bool ReadElements(std::istream& in, const char* codec, std::size_t count, const char* failure,
                  ReadElement&& readElement) {
    for (std::size_t i = 0; i < count; ++i) {
        if (in.fail()) {
            return false;
        }
        if (!readElement(in)) {
            if (failure != nullptr) {
                Report(codec, failure);
            }
            return false;
        }
    }
    return true;
}

// The whole reader of a container that must start out empty.
template <class Container, class ReadElement>
bool ReadContainer(std::istream& in, const char* codec, const Container& target,
                   const char* notEmpty, const char* failure, ReadElement&& readElement) {
    if (!target.empty()) {
        Report(codec, notEmpty);
        return false;
    }
    std::size_t count = 0;
    if (!ReadHeader(in, codec, count)) {
        return false;
    }
    return ReadElements(in, codec, count, failure, readElement);
}

// Booleans and enumerations are written as plain integers.
inline void WriteValue(std::ostream& out, bool value) {
    out << (value ? 1 : 0);
}
template <class T> void WriteValue(std::ostream& out, const T& value) {
    if constexpr (std::is_enum_v<T>) {
        out << static_cast<std::int32_t>(value);
    } else {
        out << value;
    }
}

void WriteVersion(std::ostream& out);
void WriteHeader(std::ostream& out, std::size_t count);

// Writes the header and every element of a range, each after one space; stops
// at the first element writeElement refuses.
template <class Range, class WriteElement>
bool WriteContainer(std::ostream& out, const Range& range, WriteElement&& writeElement) {
    WriteHeader(out, range.size());
    for (const auto& element : range) {
        out << ' ';
        if (!writeElement(out, element)) {
            return false;
        }
    }
    return true;
}

} // namespace GameParams::Framing
