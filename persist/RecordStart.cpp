#include "persist/RecordStart.hpp"

#include <algorithm>
#include <iostream>
#include <string>

namespace GameParams::Load {

namespace {

bool Refuse(const char* owner, const char* message) {
    std::cout << owner << " - " << message << std::endl;
    return false;
}

} // namespace

bool RecordStart(std::istream& in, const char* owner, const char* header, float version,
                 OtherVersion otherVersion) {
    float readVersion = 0.f;
    return RecordStart(in, owner, header, {version}, otherVersion, readVersion);
}

bool RecordStart(std::istream& in, const char* owner, const char* header,
                 std::initializer_list<float> versions, OtherVersion otherVersion,
                 float& readVersion) {
    std::string word;
    if (!(in >> word)) {
        return false;
    }
    if (word != header) {
        return Refuse(owner, "Header ungueltig!");
    }
    if (!(in >> readVersion)) {
        return false;
    }
    if (std::find(versions.begin(), versions.end(), readVersion) == versions.end()) {
        Refuse(owner, "Version nicht unterstuetzt!");
        return otherVersion == OtherVersion::ReadOn;
    }
    return true;
}

bool ClassCounter(std::istream& in, const char* owner, int& maxId) {
    int value = 0;
    if (!(in >> value)) {
        return false;
    }
    if (value < 0) {
        return Refuse(owner, "maxId ungueltig!");
    }
    maxId = value;
    return true;
}

} // namespace GameParams::Load
