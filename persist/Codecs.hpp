#pragma once

// Every save-stream codec: one include for the classes that write records.
#include "persist/ObjectCodecWriters.hpp"
#include "persist/RecordCodecs.hpp"
#include "persist/ReferenceCodecs.hpp"
#include "persist/ValueCodecs.hpp"
