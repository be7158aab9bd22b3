#pragma once

#include "params/Enums.hpp"

#include <string>

// Short German phrases the tooltips put together: names of rooms and the
// words that place a thing in them, and "kein"/"keine" with an object.
namespace GameParams::Phrases {

// "Küche", "Lager", ...; "Raum" for anything else.
std::string ZoneName(ZoneType type);
// "aus dem Lager", "aus dem Wareneingang", ...
std::string FromZone(ZoneType type);
// "ins Lager", "in den Warenausgang", ...
std::string IntoZone(ZoneType type);
// "kein Kühlschrank", "keine Toilette".
std::string NoObject(GameObjectType type);
// "zur Werkbank", "zum Schreibtisch".
std::string ToObject(GameObjectType type);
// "an der Werkbank", "am Schreibtisch".
std::string AtObject(GameObjectType type);
// "von der Werkbank", "vom Schreibtisch".
std::string FromObject(GameObjectType type);

// Written between the parts of a tooltip about different things on one
// cell; the tooltip box draws a line in its place.
constexpr const char* TooltipRule = "----------";

} // namespace GameParams::Phrases
