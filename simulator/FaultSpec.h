#pragma once

#include <QString>

#include "simulator/FaultRule.h"

namespace kilnward::sim {

// Parses one --fault SPEC (syntax in FaultSpecHelp); throws std::invalid_argument with a
// message naming the offending part.
FaultRule ParseFaultSpec(const QString& spec);

// The syntax, as the programs' --help shows it.
QString FaultSpecHelp();

}  // namespace kilnward::sim
