#pragma once

#include <QString>

namespace kilnward::test {

// A serial port name that names no device. The serial layer takes a lock file named after the
// port before it looks for the device, so tests running side by side must not share one name:
// one would find the other's lock and read "in use" where "does not exist" is meant.
QString MissingPortName();

}  // namespace kilnward::test
