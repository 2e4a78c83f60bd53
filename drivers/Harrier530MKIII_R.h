#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier530MKIII_R final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kMerlin7;

    Harrier530MKIII_R() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
