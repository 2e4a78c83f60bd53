#pragma once

#include "app/ConfigSettings.h"

namespace kilnward::app::config {

// Who signs the printed sheets and the service reports, in Config.ini's [Report].
inline constexpr ConfigKey ReportTechnician{"Report", "Technician", ""};
inline constexpr ConfigKey ReportCompany{"Report", "Company", ""};

}  // namespace kilnward::app::config
