#include "app/Catalogue.h"

namespace kilnward::app {

// Wired to the drivers' CreateDriver once the driver layer offers it.
std::optional<QString> DriverInstrumentName(quint8 /*id*/) {
    return std::nullopt;
}

}  // namespace kilnward::app
