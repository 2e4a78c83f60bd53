#pragma once

#include "drivers/ModelIds.h"

// The form tells the models apart by the type codes of the drivers' model table.
namespace kilnward::form {
namespace model_id = drivers::model_id;
}  // namespace kilnward::form
