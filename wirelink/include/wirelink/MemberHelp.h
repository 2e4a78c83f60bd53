#pragma once

#include <string_view>

#include "wirelink/Export.h"

namespace wirelink {

// What the library says about itself to hosts that list components.
inline constexpr std::string_view kLibraryDescription = "Wirelink protocol handler";

// The help text of a member of Wirelink by its name ("SendFrame"); empty for any other name.
WIRELINK_EXPORT std::string_view MemberHelp(std::string_view member);

}  // namespace wirelink
