#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "drivers/ClockRecord.h"
#include "transfer/ConnectionHint.h"

namespace wirelink {
class Wirelink;
}
namespace kilnward::app {
class Translator;
}
namespace kilnward::drivers {
class InstrumentDriver;
}

namespace kilnward::transfer {

struct LinkSettings;

// How a connection check ended: the analyser's clock, or why not and what to do about it.
struct ConnectionCheckResult {
    bool ok = false;
    drivers::DateTime clock{};
    std::optional<std::int32_t> code;
    QString message;
    ConnectionProblem problem = ConnectionProblem::Other;
    QString hint;
};

// Tries the serial settings without a transfer: the port opened once with `settings`, the
// flow of `driver`'s model defined at settings.addr, the analyser's clock read through the
// driver; then, whatever happened, the flow released, the port closed and the driver
// detached. Messages and hints in the user's language.
ConnectionCheckResult CheckConnection(wirelink::Wirelink& link, const LinkSettings& settings,
                                      drivers::InstrumentDriver& driver,
                                      app::Translator& translator);

// The analyser's clock as the user reads it: "YYYY-MM-DD HH:MM".
QString AnalyserClockText(drivers::DateTime when);

}  // namespace kilnward::transfer
