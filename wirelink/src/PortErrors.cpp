#include "wirelink/PortErrors.h"

namespace wirelink {

Error PortFailure(PortError code, const std::string& text) {
    return Error(static_cast<std::int32_t>(code), text, kPortErrorSource);
}

}  // namespace wirelink
