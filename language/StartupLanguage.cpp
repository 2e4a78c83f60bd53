#include "language/StartupLanguage.h"

#include "app/ConfigSettings.h"
#include "language/LanguageManager.h"

namespace kilnward::language {

void ApplyStartupLanguage(LanguageManager& manager,
                          const std::function<void()>& showLanguageDialog) {
    while (app::ReadLanguageIndexSetting() == -1) {
        if (!manager.CanChangeLanguage() || manager.LanguageCount() < 2) {
            break;
        }
        showLanguageDialog();
    }
    manager.SetLanguageIndex(app::ReadLanguageIndexSetting());
}

}  // namespace kilnward::language
