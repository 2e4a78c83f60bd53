#pragma once

#include <functional>

namespace kilnward::language {

class LanguageManager;

// The language part of start-up. While Config.ini says that no language has been chosen
// ("LanguageIndex" = -1) the language dialog is shown again after each closing. When no
// choice is possible (manager not available, fewer than two languages) the loop ends and the
// program starts in language 0 instead of asking forever. Then the stored language is
// selected (an index out of range selects language 0).
void ApplyStartupLanguage(LanguageManager& manager,
                          const std::function<void()>& showLanguageDialog);

}  // namespace kilnward::language
