#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "transfer/ConnectionHint.h"

namespace wirelink {
class Wirelink;
}

namespace kilnward::app {
struct SerialSettings;
}

namespace kilnward::transfer {

struct LinkSettings;

// What a link takes from the serial settings: the window's and the command line's alike.
LinkSettings LinkSettingsOf(const app::SerialSettings& settings);

// Copies the serial settings into the link control: infrared, rate and port (the device
// path when set, else the number). The link must be closed.
void ApplyLinkSettings(wirelink::Wirelink& link, const LinkSettings& settings);

// The device the settings name: the path when set, else the platform's name for the number.
QString PortPath(const LinkSettings& settings);

// The problem behind a failure with `code` on the port the settings name; whether the user
// may open that device tells a permission problem from a port in use.
ConnectionProblem ClassifyLinkFailure(std::optional<std::int32_t> code,
                                      const LinkSettings& settings);

}  // namespace kilnward::transfer
