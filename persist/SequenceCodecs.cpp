#include "persist/ValueCodecs.hpp"

#include "persist/CodecFraming.hpp"

using namespace GameParams::Framing;

namespace {

template <class Enum>
bool ReadEnumVector(std::istream& in, const char* codec, std::vector<Enum>& target) {
    return ReadContainer(in, codec, target, VectorNotEmpty, nullptr, [&](std::istream& s) {
        Enum value{};
        if (!ExtractEnum(s, value)) {
            return false;
        }
        target.push_back(value);
        return true;
    });
}

template <class Sequence> bool WriteValues(const Sequence& source, std::ostream& out) {
    return WriteContainer(out, source, [](std::ostream& o, const auto& value) {
        WriteValue(o, value);
        return true;
    });
}

template <class Queue> std::vector<typename Queue::value_type> Drain(Queue queue) {
    std::vector<typename Queue::value_type> values;
    for (; !queue.empty(); queue.pop()) {
        values.push_back(queue.front());
    }
    return values;
}

bool ExtractPoint(std::istream& in, float& x, float& y) {
    return Extract(in, x) && Extract(in, y);
}

} // namespace

namespace GameParams::Load {

bool VertexArray(std::istream& in, sf::VertexArray& target) {
    const char* codec = "VertexArray";
    if (target.getVertexCount() != 0) {
        Report(codec, "Uebergebenes VertexArray nicht leer!");
        return false;
    }
    if (target.getPrimitiveType() != sf::Quads) {
        Report(codec, "Primitive Type von übergebenem VertexArray != Quads!");
        return false;
    }
    std::size_t count = 0;
    if (!ReadHeader(in, codec, count)) {
        return false;
    }
    // Appended one by one rather than sized by the stored count up front, so
    // that a hostile count cannot allocate more than the file holds.
    return ReadElements(in, codec, count, nullptr, [&](std::istream& s) {
        sf::Vertex vertex;
        if (!ExtractPoint(s, vertex.position.x, vertex.position.y) ||
            !ExtractPoint(s, vertex.texCoords.x, vertex.texCoords.y)) {
            return false;
        }
        target.append(vertex);
        return true;
    });
}

bool VectorOfBool(std::istream& in, std::vector<bool>& target) {
    return ReadContainer(in, "VectorOfBool", target, VectorNotEmpty, nullptr, [&](std::istream& s) {
        bool value = false;
        if (!Extract(s, value)) {
            return false;
        }
        target.push_back(value);
        return true;
    });
}

bool VectorOfVec2i(std::istream& in, std::vector<Vec2i>& target) {
    return ReadContainer(in, "VectorOfVec2i", target, VectorNotEmpty, nullptr,
                         [&](std::istream& s) {
                             Vec2i cell;
                             if (!Extract(s, cell.x) || !Extract(s, cell.y)) {
                                 return false;
                             }
                             target.push_back(cell);
                             return true;
                         });
}

bool VectorOfVector2i(std::istream& in, std::vector<sf::Vector2i>& target) {
    return ReadContainer(in, "VectorOfVector2i", target, VectorNotEmpty, nullptr,
                         [&](std::istream& s) {
                             sf::Vector2i point;
                             if (!Extract(s, point.x) || !Extract(s, point.y)) {
                                 return false;
                             }
                             target.push_back(point);
                             return true;
                         });
}

bool VectorOfTileType(std::istream& in, std::vector<TileType>& target) {
    return ReadEnumVector(in, "VectorOfTileType", target);
}

bool VectorOfZoneType(std::istream& in, std::vector<ZoneType>& target) {
    return ReadEnumVector(in, "VectorOfZoneType", target);
}

bool VectorOfGameObjectType(std::istream& in, std::vector<GameObjectType>& target) {
    return ReadEnumVector(in, "VectorOfGameObjectType", target);
}

bool VectorOfTaskType(std::istream& in, std::vector<TaskType>& target) {
    return ReadEnumVector(in, "VectorOfTaskType", target);
}

bool VectorOfItemType(std::istream& in, std::vector<ItemType>& target) {
    return ReadEnumVector(in, "VectorOfItemType", target);
}

bool PairOfItemTypeAndFloat(std::istream& in, std::pair<ItemType, float>& target) {
    return ReadVersion(in, "PairOfItemTypeAndFloat") && ExtractEnum(in, target.first) &&
           Extract(in, target.second);
}

bool VectorOfPairOfItemTypeAndFloat(std::istream& in,
                                    std::vector<std::pair<ItemType, float>>& target) {
    return ReadContainer(in, "VectorOfPairOfItemTypeAndFloat", target, VectorNotEmpty,
                         "Laden von PairOfItemTypeAndFloat fehlgeschlagen!", [&](std::istream& s) {
                             std::pair<ItemType, float> pair{ItemNone, 0.0f};
                             if (!PairOfItemTypeAndFloat(s, pair)) {
                                 return false;
                             }
                             target.push_back(pair);
                             return true;
                         });
}

bool QueueOfItemType(std::istream& in, std::queue<ItemType>& target) {
    return ReadContainer(in, "QueueOfItemType", target, QueueNotEmpty, nullptr,
                         [&](std::istream& s) {
                             ItemType value{};
                             if (!ExtractEnum(s, value)) {
                                 return false;
                             }
                             target.push(value);
                             return true;
                         });
}

bool QueueOfVector2f(std::istream& in, std::queue<sf::Vector2f>& target) {
    return ReadContainer(in, "QueueOfVector2f", target, QueueNotEmpty, nullptr,
                         [&](std::istream& s) {
                             sf::Vector2f point;
                             if (!ExtractPoint(s, point.x, point.y)) {
                                 return false;
                             }
                             target.push(point);
                             return true;
                         });
}

} // namespace GameParams::Load

namespace GameParams::Save {

bool VertexArray(const sf::VertexArray& source, std::ostream& out) {
    WriteHeader(out, source.getVertexCount());
    for (std::size_t i = 0; i < source.getVertexCount(); ++i) {
        const sf::Vertex& v = source[i];
        out << ' ' << v.position.x << ' ' << v.position.y << ' ' << v.texCoords.x << ' '
            << v.texCoords.y;
    }
    return true;
}

bool VectorOfBool(const std::vector<bool>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool VectorOfVec2i(const std::vector<Vec2i>& source, std::ostream& out) {
    return WriteContainer(out, source, [](std::ostream& o, const Vec2i& cell) {
        o << cell.x << ' ' << cell.y;
        return true;
    });
}

bool VectorOfVector2i(const std::vector<sf::Vector2i>& source, std::ostream& out) {
    return WriteContainer(out, source, [](std::ostream& o, const sf::Vector2i& point) {
        o << point.x << ' ' << point.y;
        return true;
    });
}

bool VectorOfTileType(const std::vector<TileType>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool VectorOfZoneType(const std::vector<ZoneType>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool VectorOfGameObjectType(const std::vector<GameObjectType>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool VectorOfTaskType(const std::vector<TaskType>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool VectorOfItemType(const std::vector<ItemType>& source, std::ostream& out) {
    return WriteValues(source, out);
}

bool PairOfItemTypeAndFloat(const std::pair<ItemType, float>& source, std::ostream& out) {
    WriteVersion(out);
    out << ' ';
    WriteValue(out, source.first);
    out << ' ' << source.second;
    return true;
}

bool VectorOfPairOfItemTypeAndFloat(const std::vector<std::pair<ItemType, float>>& source,
                                    std::ostream& out) {
    return WriteContainer(out, source, [](std::ostream& o, const std::pair<ItemType, float>& p) {
        return PairOfItemTypeAndFloat(p, o);
    });
}

bool QueueOfItemType(std::queue<ItemType> source, std::ostream& out) {
    return WriteValues(Drain(std::move(source)), out);
}

bool QueueOfVector2f(std::queue<sf::Vector2f> source, std::ostream& out) {
    return WriteContainer(out, Drain(std::move(source)),
                          [](std::ostream& o, const sf::Vector2f& point) {
                              o << point.x << ' ' << point.y;
                              return true;
                          });
}

} // namespace GameParams::Save
