#include "transfer/SectorTraits.h"

#include "drivers/ModelIds.h"

namespace kilnward::transfer {

namespace {

using namespace drivers::model_id;
using enum FieldRule;

// The common layout; a model's row differs from it only where its analyser does.
constexpr SectorTraits Common(std::uint8_t model) {
    return {.model = model,
            .printerFlags = Plain,
            .coExclusion = Plain,
            .otherAlarmValue = Plain,
            .analogOutputLists = Plain,
            .modelBytes = ModelBytes::Reserved};
}

constexpr SectorTraits Harrier520() {
    SectorTraits traits = Common(kHarrier520);
    // It has no printer boxes 18..23, no CO cell choice and no "other" alarm.
    traits.printerFlags = SendWithoutBits18to23;
    traits.coExclusion = SendZero;
    traits.otherAlarmValue = SendZero;
    return traits;
}

constexpr SectorTraits Osprey560() {
    SectorTraits traits = Common(kOsprey560);
    // It has no analog outputs: what it reports there is not taken.
    traits.analogOutputLists = ReceiveIgnored;
    return traits;
}

constexpr SectorTraits WithModelBytes(std::uint8_t model, ModelBytes bytes) {
    SectorTraits traits = Common(model);
    traits.modelBytes = bytes;
    return traits;
}

constexpr SectorTraits kTraits[] = {
    Harrier520(),
    Common(kHarrier530),
    Common(kHarrier540),
    Osprey560(),
    WithModelBytes(kKestrel580, ModelBytes::TrhAux),
    Common(kHarrier520Plus),
    Common(kHarrier510PT),
    Common(kHarrier530MkIII),
    WithModelBytes(kMerlin7, ModelBytes::Country),
    Common(kMerlin7H),
};

constexpr SectorTraits kUnknownModel = Common(0);

}  // namespace

const SectorTraits* FindSectorTraits(std::uint8_t model) {
    for (const SectorTraits& traits : kTraits) {
        if (traits.model == model) {
            return &traits;
        }
    }
    return nullptr;
}

const SectorTraits& SectorTraitsOf(std::uint8_t model) {
    const SectorTraits* traits = FindSectorTraits(model);
    return traits ? *traits : kUnknownModel;
}

}  // namespace kilnward::transfer
