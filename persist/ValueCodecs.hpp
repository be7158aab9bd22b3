#pragma once

#include "params/Enums.hpp"
#include "params/Vec2i.hpp"

#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <istream>
#include <map>
#include <ostream>
#include <queue>
#include <utility>
#include <vector>

// Codecs of containers that hold plain values. Every reader appends to an
// empty target and prints one line on failure; every writer mirrors its reader
// and succeeds. The token layout of each shape is stored in save files.
namespace GameParams::Load {

// Reads the quads of a drawable; only positions and texture coordinates are
// stored, colours come back white.
bool VertexArray(std::istream& in, sf::VertexArray& target);
bool VectorOfBool(std::istream& in, std::vector<bool>& target);
// The third field of every read cell is -1: path costs are never stored.
bool VectorOfVec2i(std::istream& in, std::vector<Vec2i>& target);
bool VectorOfVector2i(std::istream& in, std::vector<sf::Vector2i>& target);
bool VectorOfTileType(std::istream& in, std::vector<TileType>& target);
bool VectorOfZoneType(std::istream& in, std::vector<ZoneType>& target);
bool VectorOfGameObjectType(std::istream& in, std::vector<GameObjectType>& target);
bool VectorOfTaskType(std::istream& in, std::vector<TaskType>& target);
bool VectorOfItemType(std::istream& in, std::vector<ItemType>& target);
// Overwrites target; the pair is framed like a container without a count.
bool PairOfItemTypeAndFloat(std::istream& in, std::pair<ItemType, float>& target);
bool VectorOfPairOfItemTypeAndFloat(std::istream& in,
                                    std::vector<std::pair<ItemType, float>>& target);
bool QueueOfItemType(std::istream& in, std::queue<ItemType>& target);
bool QueueOfVector2f(std::istream& in, std::queue<sf::Vector2f>& target);
bool MapOfItemTypeAndSizeT(std::istream& in, std::map<ItemType, std::size_t>& target);
bool MapOfItemTypeAndFloat(std::istream& in, std::map<ItemType, float>& target);
bool MapOfFloatAndMapOfItemTypeAndFloat(std::istream& in,
                                        std::map<float, std::map<ItemType, float>>& target);
bool MapOfIntAndBool(std::istream& in, std::map<int, bool>& target);
bool MapOfIntAndMapOfIntAndBool(std::istream& in, std::map<int, std::map<int, bool>>& target);

} // namespace GameParams::Load

namespace GameParams::Save {

bool VertexArray(const sf::VertexArray& source, std::ostream& out);
bool VectorOfBool(const std::vector<bool>& source, std::ostream& out);
bool VectorOfVec2i(const std::vector<Vec2i>& source, std::ostream& out);
bool VectorOfVector2i(const std::vector<sf::Vector2i>& source, std::ostream& out);
bool VectorOfTileType(const std::vector<TileType>& source, std::ostream& out);
bool VectorOfZoneType(const std::vector<ZoneType>& source, std::ostream& out);
bool VectorOfGameObjectType(const std::vector<GameObjectType>& source, std::ostream& out);
bool VectorOfTaskType(const std::vector<TaskType>& source, std::ostream& out);
bool VectorOfItemType(const std::vector<ItemType>& source, std::ostream& out);
bool PairOfItemTypeAndFloat(const std::pair<ItemType, float>& source, std::ostream& out);
bool VectorOfPairOfItemTypeAndFloat(const std::vector<std::pair<ItemType, float>>& source,
                                    std::ostream& out);
// Queues are written front first from a copy; the caller's queue is untouched.
bool QueueOfItemType(std::queue<ItemType> source, std::ostream& out);
bool QueueOfVector2f(std::queue<sf::Vector2f> source, std::ostream& out);
bool MapOfItemTypeAndSizeT(const std::map<ItemType, std::size_t>& source, std::ostream& out);
bool MapOfItemTypeAndFloat(const std::map<ItemType, float>& source, std::ostream& out);
bool MapOfFloatAndMapOfItemTypeAndFloat(const std::map<float, std::map<ItemType, float>>& source,
                                        std::ostream& out);
bool MapOfIntAndBool(const std::map<int, bool>& source, std::ostream& out);
bool MapOfIntAndMapOfIntAndBool(const std::map<int, std::map<int, bool>>& source,
                                std::ostream& out);

} // namespace GameParams::Save
