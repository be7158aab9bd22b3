#pragma once

#include "params/Enums.hpp"
#include "persist/CodecFraming.hpp"

#include <cstddef>
#include <deque>
#include <iostream>
#include <list>
#include <map>
#include <memory>
#include <vector>

// Writers of containers of class records and of object references, the
// counterparts of RecordCodecs.hpp and ReferenceCodecs.hpp. Elements provide
// `bool save(std::ostream&) const`; referenced objects provide `getId()`.
// Lists of objects may hold raw or owning pointers.
namespace GameParams {

// How a list of objects is written: as the objects' ids or as their records.
enum class PtrMode { References, Records };

namespace Save {

namespace Objects {

template <class T> const T& Element(const T& value) {
    return value;
}
template <class T> const T* Element(T* const& pointer) {
    return pointer;
}
template <class T> const T* Element(const std::unique_ptr<T>& pointer) {
    return pointer.get();
}

template <class T> bool SaveRecord(const char*, const T& element, std::ostream& out) {
    return element.save(out);
}

template <class T> bool SaveRecord(const char* codec, const T* element, std::ostream& out) {
    if (element == nullptr) {
        std::cout << "GameParams::Save::" << codec << "() - Versuch nullptr zu speichern!"
                  << std::endl;
        return false;
    }
    return element->save(out);
}

template <class Range>
bool WriteRecords(const char* codec, const Range& source, std::ostream& out) {
    return Framing::WriteContainer(out, source, [&](std::ostream& o, const auto& element) {
        return SaveRecord(codec, Element(element), o);
    });
}

template <class Range> bool WriteIds(const Range& source, std::ostream& out) {
    return Framing::WriteContainer(out, source, [](std::ostream& o, const auto& element) {
        const auto* object = Element(element);
        if (object == nullptr) {
            o << -1;
        } else {
            o << object->getId();
        }
        return true;
    });
}

template <class Range>
bool WriteObjects(const char* codec, const Range& source, std::ostream& out, PtrMode mode) {
    return mode == PtrMode::References ? WriteIds(source, out) : WriteRecords(codec, source, out);
}

} // namespace Objects

// Writes the first count zones of the level's array.
template <class Zone> bool ArrayOfZonePtr(const Zone* zones, std::size_t count, std::ostream& out) {
    Framing::WriteHeader(out, count);
    for (std::size_t i = 0; i < count; ++i) {
        out << ' ';
        if (!zones[i].save(out)) {
            return false;
        }
    }
    return true;
}

template <class Ptr>
bool VectorOfMetaZonePtr(const std::vector<Ptr>& source, std::ostream& out, PtrMode mode) {
    return Objects::WriteObjects("VectorOfMetaZonePtr", source, out, mode);
}

template <class Ptr>
bool VectorOfGameObjectPtr(const std::vector<Ptr>& source, std::ostream& out, PtrMode mode) {
    return Objects::WriteObjects("VectorOfGameObjectPtr", source, out, mode);
}

template <class Ptr> bool VectorOfEmployeePtr(const std::vector<Ptr>& source, std::ostream& out) {
    return Objects::WriteRecords("VectorOfEmployeePtr", source, out);
}

template <class Ptr>
bool VectorOfItemPtr(const std::vector<Ptr>& source, std::ostream& out,
                     PtrMode mode = PtrMode::Records) {
    return Objects::WriteObjects("VectorOfItemPtr", source, out, mode);
}

template <class PathFindingItem>
bool DequeOfPathFindingItem(const std::deque<PathFindingItem>& source, std::ostream& out) {
    return Objects::WriteRecords("DequeOfPathFindingItem", source, out);
}

template <class Task> bool VectorOfTask(const std::vector<Task>& source, std::ostream& out) {
    return Objects::WriteRecords("VectorOfTask", source, out);
}

template <class Task> bool ListOfTask(const std::list<Task>& source, std::ostream& out) {
    return Objects::WriteRecords("ListOfTask", source, out);
}

template <class Need>
bool MapOfNeedTypeAndNeed(const std::map<NeedType, Need>& source, std::ostream& out) {
    return Framing::WriteContainer(out, source, [](std::ostream& o, const auto& entry) {
        Framing::WriteValue(o, entry.first);
        o << ' ';
        return entry.second.save(o);
    });
}

template <class Ptr>
bool MapOfItemTypeAndVectorOfItemPtr(const std::map<ItemType, std::vector<Ptr>>& source,
                                     std::ostream& out) {
    return Framing::WriteContainer(out, source, [](std::ostream& o, const auto& entry) {
        Framing::WriteValue(o, entry.first);
        o << ' ';
        return VectorOfItemPtr(entry.second, o);
    });
}

} // namespace Save

} // namespace GameParams
