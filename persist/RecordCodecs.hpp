#pragma once

#include "params/Enums.hpp"
#include "persist/CodecFraming.hpp"

#include <cstddef>
#include <deque>
#include <istream>
#include <list>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

// Readers of containers whose elements are whole class records. They are
// templates over the element class so that every record class can be read
// through the same framing; an element class provides `load(std::istream&,
// ...)` returning false on failure, after printing its own line. The extra
// arguments of each reader are handed on unchanged: to the element's
// constructor or to its `load`, as noted at each reader.
namespace GameParams::Load {

namespace Records {

// Reads owned elements: make() creates one, loadOne(element, stream) fills it.
// An element that fails to load is destroyed, not kept.
template <class T, class Make, class LoadOne>
bool ReadOwned(std::istream& in, const char* codec, std::vector<std::unique_ptr<T>>& target,
               const char* failure, Make&& make, LoadOne&& loadOne) {
    return Framing::ReadContainer(in, codec, target, Framing::VectorNotEmpty, failure,
                                  [&](std::istream& s) {
                                      std::unique_ptr<T> element = make();
                                      if (!loadOne(*element, s)) {
                                          return false;
                                      }
                                      target.push_back(std::move(element));
                                      return true;
                                  });
}

// Reads value records in place at the back of a sequence, so that an element
// which registers its address is registered where it will live.
template <class Sequence>
bool ReadValues(std::istream& in, const char* codec, Sequence& target, const char* notEmpty,
                const char* failure) {
    return Framing::ReadContainer(in, codec, target, notEmpty, failure, [&](std::istream& s) {
        target.emplace_back();
        if (!target.back().load(s)) {
            target.pop_back();
            return false;
        }
        return true;
    });
}

} // namespace Records

// Loads count zones into the first count zones of the caller's array of
// zoneCount zones, calling zone.load(in, loadArgs...) (texture, level, font).
// The array is the level's own, so a count beyond it is refused.
template <class Zone, class... LoadArgs>
bool ArrayOfZonePtr(std::istream& in, Zone* zones, std::size_t zoneCount, LoadArgs&&... loadArgs) {
    const char* codec = "ArrayOfZonePtr";
    std::size_t count = 0;
    if (!Framing::ReadHeader(in, codec, count)) {
        return false;
    }
    if (zones == nullptr ? count != 0 : count > zoneCount) {
        Framing::Report(codec, "Anzahl der Zonen groesser als das Zonen-Array!");
        return false;
    }
    std::size_t next = 0;
    return Framing::ReadElements(
        in, codec, count, "Laden von Zone fehlgeschlagen!",
        [&](std::istream& s) { return zones[next++].load(s, loadArgs...); });
}

// Record mode: each meta-zone is constructed from ctorArgs (the level) and
// then loaded with load(in).
template <class MetaZone, class... CtorArgs>
bool VectorOfMetaZonePtr(std::istream& in, std::vector<std::unique_ptr<MetaZone>>& target,
                         CtorArgs&&... ctorArgs) {
    return Records::ReadOwned(
        in, "VectorOfMetaZonePtr", target, "Laden von MetaZone fehlgeschlagen!",
        [&] { return std::make_unique<MetaZone>(ctorArgs...); },
        [](MetaZone& zone, std::istream& s) { return zone.load(s); });
}

namespace Records {

// One game-object record: plain first, and a door if the plain loader handed
// the record back by rewinding to its start.
template <class Door, class GameObject, class... LoadArgs>
bool ReadGameObject(std::istream& in, std::vector<std::unique_ptr<GameObject>>& target,
                    LoadArgs&... loadArgs) {
    // The record starts at its first token, whether or not the object's loader
    // skips the separating space before it remembers where it began.
    in >> std::ws;
    const std::istream::pos_type recordStart = in.tellg();
    auto object = std::make_unique<GameObject>();
    if (object->load(in, loadArgs..., true)) {
        target.push_back(std::move(object));
        return true;
    }
    object.reset();
    const bool handedBack =
        recordStart != std::istream::pos_type(-1) && !in.fail() && in.tellg() == recordStart;
    if (!handedBack) {
        return false;
    }
    auto door = std::make_unique<Door>();
    if (!door->load(in, loadArgs..., false)) {
        return false;
    }
    target.push_back(std::move(door));
    return true;
}

} // namespace Records

// Record mode: each element is first loaded as a default-constructed plain
// object with load(in, loadArgs..., true), which refuses a door record by
// rewinding the stream to the record's start and returning false. Such a
// record is read again into a default-constructed Door with
// load(in, loadArgs..., false). A plain load that failed anywhere else has
// consumed part of the record, so it is not retried. Door is named by the
// caller: VectorOfGameObjectPtr<GameObjectDoor>(in, objects, texture, level).
template <class Door, class GameObject, class... LoadArgs>
bool VectorOfGameObjectPtr(std::istream& in, std::vector<std::unique_ptr<GameObject>>& target,
                           LoadArgs&&... loadArgs) {
    static_assert(std::is_base_of_v<GameObject, Door>, "a door is a game object");
    static_assert(std::has_virtual_destructor_v<GameObject>, "doors are owned as game objects");
    return Framing::ReadContainer(in, "VectorOfGameObjectPtr", target, Framing::VectorNotEmpty,
                                  "Laden von GameObject fehlgeschlagen!", [&](std::istream& s) {
                                      return Records::ReadGameObject<Door>(s, target, loadArgs...);
                                  });
}

// Each employee is constructed from ctorArgs (the level), then loaded.
template <class Employee, class... CtorArgs>
bool VectorOfEmployeePtr(std::istream& in, std::vector<std::unique_ptr<Employee>>& target,
                         CtorArgs&&... ctorArgs) {
    return Records::ReadOwned(
        in, "VectorOfEmployeePtr", target, "Laden von Employee fehlgeschlagen!",
        [&] { return std::make_unique<Employee>(ctorArgs...); },
        [](Employee& employee, std::istream& s) { return employee.load(s); });
}

// Each item is default-constructed, then loaded with load(in, loadArgs...)
// (the texture).
template <class Item, class... LoadArgs>
bool VectorOfItemPtr(std::istream& in, std::vector<std::unique_ptr<Item>>& target,
                     LoadArgs&&... loadArgs) {
    return Records::ReadOwned(
        in, "VectorOfItemPtr", target, "Laden von Item fehlgeschlagen!",
        [] { return std::make_unique<Item>(); },
        [&](Item& item, std::istream& s) { return item.load(s, loadArgs...); });
}

template <class PathFindingItem>
bool DequeOfPathFindingItem(std::istream& in, std::deque<PathFindingItem>& target) {
    return Records::ReadValues(in, "DequeOfPathFindingItem", target, Framing::VectorNotEmpty,
                               "Laden von PathFindingItem fehlgeschlagen!");
}

template <class Task> bool VectorOfTask(std::istream& in, std::vector<Task>& target) {
    return Records::ReadValues(in, "VectorOfTask", target, Framing::VectorNotEmpty,
                               "Laden von Task fehlgeschlagen!");
}

template <class Task> bool ListOfTask(std::istream& in, std::list<Task>& target) {
    return Records::ReadValues(in, "ListOfTask", target, Framing::ListNotEmpty,
                               "Laden von Task fehlgeschlagen!");
}

// A need is constructed for its key when the class allows it, so that its
// load can judge the value against that type's limits.
template <class Need>
bool MapOfNeedTypeAndNeed(std::istream& in, std::map<NeedType, Need>& target) {
    const char* codec = "MapOfNeedTypeAndNeed";
    return Framing::ReadContainer(in, codec, target, Framing::MapNotEmpty, nullptr,
                                  [&](std::istream& s) {
                                      NeedType key{};
                                      if (!Framing::ExtractEnum(s, key)) {
                                          return false;
                                      }
                                      auto need = [&] {
                                          if constexpr (std::is_constructible_v<Need, NeedType>) {
                                              return Need(key);
                                          } else {
                                              return Need();
                                          }
                                      }();
                                      if (!need.load(s)) {
                                          Framing::Report(codec, "Laden von Need fehlgeschlagen!");
                                          return false;
                                      }
                                      target.emplace(key, std::move(need));
                                      return true;
                                  });
}

// The items of each vector are read as VectorOfItemPtr with loadArgs.
template <class Item, class... LoadArgs>
bool MapOfItemTypeAndVectorOfItemPtr(std::istream& in,
                                     std::map<ItemType, std::vector<std::unique_ptr<Item>>>& target,
                                     LoadArgs&&... loadArgs) {
    const char* codec = "MapOfItemTypeAndVectorOfItemPtr";
    return Framing::ReadContainer(
        in, codec, target, Framing::MapNotEmpty, nullptr, [&](std::istream& s) {
            ItemType key{};
            if (!Framing::ExtractEnum(s, key)) {
                return false;
            }
            std::vector<std::unique_ptr<Item>> items;
            if (!VectorOfItemPtr(s, items, loadArgs...)) {
                Framing::Report(codec, "Laden von Vector aus Item-Pointern fehlgeschlagen!");
                return false;
            }
            target.emplace(key, std::move(items));
            return true;
        });
}

} // namespace GameParams::Load
