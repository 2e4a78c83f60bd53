#pragma once

namespace wirelink {
class Wirelink;
}

namespace kilnward::transfer {

struct LinkSettings;

// Copies the serial settings into the link control: infrared, rate and port (the device
// path when set, else the number). The link must be closed.
void ApplyLinkSettings(wirelink::Wirelink& link, const LinkSettings& settings);

}  // namespace kilnward::transfer
