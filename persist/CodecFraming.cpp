#include "persist/CodecFraming.hpp"

#include <iostream>

namespace GameParams::Framing {

void Report(const char* codec, const std::string& message) {
    std::cout << "GameParams::Load::" << codec << "() - " << message << std::endl;
}

bool ReadVersion(std::istream& in, const char* codec) {
    std::string word;
    if (!Extract(in, word)) {
        return false;
    }
    if (word != "Ver") {
        Report(codec, "Header ungueltig!");
        return false;
    }
    float version = 0.0f;
    if (!Extract(in, version)) {
        return false;
    }
    if (version != ContainerVersion) {
        Report(codec, "Version ungueltig!");
        return false;
    }
    return true;
}

bool ReadHeader(std::istream& in, const char* codec, std::size_t& count) {
    return ReadVersion(in, codec) && Extract(in, count);
}

void WriteVersion(std::ostream& out) {
    out << "Ver " << ContainerVersion;
}

void WriteHeader(std::ostream& out, std::size_t count) {
    WriteVersion(out);
    out << ' ' << count;
}

} // namespace GameParams::Framing
