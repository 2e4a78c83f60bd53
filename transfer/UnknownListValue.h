#pragma once

#include <QString>

#include <cstdint>

namespace kilnward::transfer {

// A list byte of a received sector that names no entry of its list (newer firmware, a
// damaged sector): the control shows its first entry instead, and a send would write that.
struct UnknownListValue {
    QString caption;
    QString key;
    std::uint8_t byte = 0;
};

}  // namespace kilnward::transfer
