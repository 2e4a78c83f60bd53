// Arbitrary text as a --fault option of the simulator: parsing refuses with
// std::invalid_argument or yields a rule; nothing else escapes.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "simulator/FaultSpec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString spec =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        kilnward::sim::ParseFaultSpec(spec);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
