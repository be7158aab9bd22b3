#include "persist/ValueCodecs.hpp"

#include "persist/CodecFraming.hpp"

using namespace GameParams::Framing;

namespace {

// Reads a key with the enumeration-aware extraction when the key is one.
template <class Key> bool ExtractKey(std::istream& in, Key& key) {
    if constexpr (std::is_enum_v<Key>) {
        return ExtractEnum(in, key);
    } else {
        return Extract(in, key);
    }
}

// A map whose values are single tokens: "key value" per entry. A key read
// twice keeps its first value, as map insertion does.
template <class Key, class Value>
bool ReadFlatMap(std::istream& in, const char* codec, std::map<Key, Value>& target) {
    return ReadContainer(in, codec, target, MapNotEmpty, nullptr, [&](std::istream& s) {
        Key key{};
        Value value{};
        if (!ExtractKey(s, key) || !Extract(s, value)) {
            return false;
        }
        target.emplace(key, value);
        return true;
    });
}

template <class Key, class Value>
bool WriteFlatMap(const std::map<Key, Value>& source, std::ostream& out) {
    return WriteContainer(out, source, [](std::ostream& o, const std::pair<const Key, Value>& e) {
        WriteValue(o, e.first);
        o << ' ';
        WriteValue(o, e.second);
        return true;
    });
}

} // namespace

namespace GameParams::Load {

bool MapOfItemTypeAndSizeT(std::istream& in, std::map<ItemType, std::size_t>& target) {
    return ReadFlatMap(in, "MapOfItemTypeAndSizeT", target);
}

bool MapOfItemTypeAndFloat(std::istream& in, std::map<ItemType, float>& target) {
    return ReadFlatMap(in, "MapOfItemTypeAndFloat", target);
}

bool MapOfFloatAndMapOfItemTypeAndFloat(std::istream& in,
                                        std::map<float, std::map<ItemType, float>>& target) {
    // An inner failure is reported under the inner codec's name; the wording
    // is kept as the game has always printed it.
    return ReadContainer(in, "MapOfFloatAndMapOfItemTypeAndFloat", target, MapNotEmpty, nullptr,
                         [&](std::istream& s) {
                             float key = 0.0f;
                             if (!Extract(s, key)) {
                                 return false;
                             }
                             std::map<ItemType, float> inner;
                             if (!MapOfItemTypeAndFloat(s, inner)) {
                                 Report("MapOfItemTypeAndFloat",
                                        "Laden von Map aus ItemType und Float fehlgeschlagen!");
                                 return false;
                             }
                             target.emplace(key, std::move(inner));
                             return true;
                         });
}

bool MapOfIntAndBool(std::istream& in, std::map<int, bool>& target) {
    return ReadFlatMap(in, "MapOfIntAndBool", target);
}

bool MapOfIntAndMapOfIntAndBool(std::istream& in, std::map<int, std::map<int, bool>>& target) {
    const char* codec = "MapOfIntAndMapOfIntAndBool";
    return ReadContainer(in, codec, target, MapNotEmpty, nullptr, [&](std::istream& s) {
        int key = 0;
        if (!Extract(s, key)) {
            return false;
        }
        std::map<int, bool> inner;
        if (!MapOfIntAndBool(s, inner)) {
            Report(codec, "Laden von Map aus Int und Bool fehlgeschlagen!");
            return false;
        }
        target.emplace(key, std::move(inner));
        return true;
    });
}

} // namespace GameParams::Load

namespace GameParams::Save {

bool MapOfItemTypeAndSizeT(const std::map<ItemType, std::size_t>& source, std::ostream& out) {
    return WriteFlatMap(source, out);
}

bool MapOfItemTypeAndFloat(const std::map<ItemType, float>& source, std::ostream& out) {
    return WriteFlatMap(source, out);
}

bool MapOfFloatAndMapOfItemTypeAndFloat(const std::map<float, std::map<ItemType, float>>& source,
                                        std::ostream& out) {
    return WriteContainer(
        out, source,
        [](std::ostream& o, const std::pair<const float, std::map<ItemType, float>>& e) {
            o << e.first << ' ';
            return MapOfItemTypeAndFloat(e.second, o);
        });
}

bool MapOfIntAndBool(const std::map<int, bool>& source, std::ostream& out) {
    return WriteFlatMap(source, out);
}

bool MapOfIntAndMapOfIntAndBool(const std::map<int, std::map<int, bool>>& source,
                                std::ostream& out) {
    return WriteContainer(out, source,
                          [](std::ostream& o, const std::pair<const int, std::map<int, bool>>& e) {
                              o << e.first << ' ';
                              return MapOfIntAndBool(e.second, o);
                          });
}

} // namespace GameParams::Save
