#pragma once

#include <cstdint>

#include "transfer/SectorField.h"

namespace kilnward::transfer {

// What the bytes kept for the model hold (the sector's model area).
enum class ModelBytes {
    Reserved,  // all fill bytes
    TrhAux,    // the analyser's own byte, then the auxiliary humidity sensor
    Country,   // the country list
};

// How one model's configuration sector differs from the common layout: the walk reads these
// instead of naming models, in both directions.
struct SectorTraits {
    std::uint8_t model;
    FieldRule printerFlags;
    FieldRule coExclusion;
    FieldRule otherAlarmValue;
    // The analog outputs' type and error mode.
    FieldRule analogOutputLists;
    ModelBytes modelBytes;
};

// The traits of a model of the model table, or null for a code without a model.
const SectorTraits* FindSectorTraits(std::uint8_t model);

// The traits of `model`, the common layout for a code without a model.
const SectorTraits& SectorTraitsOf(std::uint8_t model);

}  // namespace kilnward::transfer
