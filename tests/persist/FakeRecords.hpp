#pragma once

#include "params/Enums.hpp"

#include <iostream>
#include <map>
#include <string>

// Stand-ins for the classes whose records the object codecs carry: each has a
// header word, a version, an id registry and save/load like the real ones.
struct FakeLevel {};

// "FAKE 0.1 id value". Construction arguments and load arguments are
// remembered so that tests can see what the codecs handed on.
class FakeRecord {
public:
    FakeRecord() = default;
    explicit FakeRecord(FakeLevel* level) : constructedFor(level) {}
    explicit FakeRecord(NeedType type) : constructedAs(type) {}
    FakeRecord(int id, int value) : id(id), value(value) {}
    // A copy is not registered; only the loaded original is.
    FakeRecord(const FakeRecord&) = default;
    FakeRecord& operator=(const FakeRecord&) = delete;
    ~FakeRecord() { forget(); }

    static FakeRecord* GetById(int id) {
        const auto found = Registry().find(id);
        return found == Registry().end() ? nullptr : found->second;
    }
    static void ClearRegistry() { Registry().clear(); }

    int getId() const { return id; }
    int getValue() const { return value; }
    bool operator==(const FakeRecord& other) const {
        return id == other.id && value == other.value;
    }

    bool save(std::ostream& out) const {
        if (refuseSave) {
            return false;
        }
        out << "FAKE 0.1 " << id << ' ' << value;
        return true;
    }

    bool load(std::istream& in) {
        std::string header;
        float version = 0.f;
        if (!(in >> header)) {
            return false;
        }
        if (header != "FAKE") {
            std::cout << "FakeRecord::load() - Header ungueltig!" << std::endl;
            return false;
        }
        if (!(in >> version >> id >> value)) {
            return false;
        }
        Registry()[id] = this;
        return true;
    }

    bool load(std::istream& in, const std::string& texture) {
        loadedWithTexture = texture;
        return load(in);
    }

    bool load(std::istream& in, const std::string& texture, FakeLevel* level,
              const std::string& font) {
        loadedWithTexture = texture;
        loadedForLevel = level;
        loadedWithFont = font;
        return load(in);
    }

    FakeLevel* constructedFor = nullptr;
    NeedType constructedAs = NeedType{};
    std::string loadedWithTexture;
    FakeLevel* loadedForLevel = nullptr;
    std::string loadedWithFont;
    bool refuseSave = false;

private:
    static std::map<int, FakeRecord*>& Registry() {
        static std::map<int, FakeRecord*> registry;
        return registry;
    }
    void forget() {
        const auto found = Registry().find(id);
        if (found != Registry().end() && found->second == this) {
            Registry().erase(found);
        }
    }

    int id = -1;
    int value = 0;
};

// "OBJ 0.2 id type": a game object whose loader hands a door's record back
// by rewinding to its start when asked to refuse doors.
class FakeObject {
public:
    FakeObject() { ++Constructed(); }
    virtual ~FakeObject() = default;

    virtual bool isDoor() const { return false; }
    int getId() const { return id; }
    int getType() const { return type; }
    static int& Constructed() {
        static int count = 0;
        return count;
    }

    bool save(std::ostream& out) const {
        out << "OBJ 0.2 " << id << ' ' << type;
        return true;
    }

    bool load(std::istream& in, const std::string& texture, FakeLevel* level, bool refuseDoors) {
        // Remembers its start after the separating space, as a loader may.
        in >> std::ws;
        const auto start = in.tellg();
        std::string header;
        float version = 0.f;
        if (!(in >> header)) {
            return false;
        }
        if (header != "OBJ") {
            std::cout << "FakeObject::load() - Header ungueltig!" << std::endl;
            return false;
        }
        if (!(in >> version >> id >> type)) {
            return false;
        }
        if (refuseDoors && type == ObjectDoor) {
            in.seekg(start);
            return false;
        }
        if (type == 0) {
            std::cout << "FakeObject::load() - objType ungueltig!" << std::endl;
            return false;
        }
        if (isDoor() && id < 0) {
            std::cout << "FakeDoor::load() - id ungueltig!" << std::endl;
            return false;
        }
        loadedWithTexture = texture;
        loadedForLevel = level;
        return true;
    }

    std::string loadedWithTexture;
    FakeLevel* loadedForLevel = nullptr;

private:
    int id = -1;
    int type = 0;
};

class FakeDoor : public FakeObject {
public:
    bool isDoor() const override { return true; }
};
