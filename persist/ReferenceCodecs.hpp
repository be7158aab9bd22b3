#pragma once

#include "persist/CodecFraming.hpp"

#include <istream>
#include <vector>

// Readers of lists that refer to objects owned elsewhere. Each element is the
// id of the object, or -1 for none, and is resolved through the class's own
// registry `static T* GetById(int id)` (null for an unknown id). References
// can only reach objects already read from the same file.
namespace GameParams::Load {

namespace References {

template <class T>
bool ReadIds(std::istream& in, const char* codec, const char* unknownId, std::vector<T*>& target) {
    return Framing::ReadContainer(in, codec, target, Framing::VectorNotEmpty, nullptr,
                                  [&](std::istream& s) {
                                      int id = -1;
                                      if (!Framing::Extract(s, id)) {
                                          return false;
                                      }
                                      if (id == -1) {
                                          target.push_back(nullptr);
                                          return true;
                                      }
                                      T* object = T::GetById(id);
                                      if (object == nullptr) {
                                          Framing::Report(codec, unknownId);
                                          return false;
                                      }
                                      target.push_back(object);
                                      return true;
                                  });
}

} // namespace References

// Reference mode: the list owns nothing.
template <class MetaZone>
bool VectorOfMetaZonePtr(std::istream& in, std::vector<MetaZone*>& target) {
    return References::ReadIds(in, "VectorOfMetaZonePtr", "MetaZone::GetById() fehlgeschlagen!",
                               target);
}

// Reference mode: the list owns nothing.
template <class GameObject>
bool VectorOfGameObjectPtr(std::istream& in, std::vector<GameObject*>& target) {
    return References::ReadIds(in, "VectorOfGameObjectPtr", "GameObject::GetById() fehlgeschlagen!",
                               target);
}

} // namespace GameParams::Load
