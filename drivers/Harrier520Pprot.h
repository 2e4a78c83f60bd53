#pragma once

#include <cstdint>

#include "drivers/ModelDriver.h"
#include "drivers/ModelIds.h"

namespace kilnward::drivers {

class Harrier520Pprot final : public ModelDriver {
  public:
    static constexpr std::uint8_t kTypeCode = model_id::kHarrier520Plus;

    Harrier520Pprot() : ModelDriver(ModelRowOf(kTypeCode)) {}
};

}  // namespace kilnward::drivers
