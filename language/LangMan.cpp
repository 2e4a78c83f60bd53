#include "language/LangMan.h"

#include "app/ScriptedPrompts.h"
#include "language/LanguageManager.h"

#include <memory>

namespace kilnward::language {

namespace {

std::unique_ptr<LanguageManager>& Instance() {
    static std::unique_ptr<LanguageManager> instance;
    return instance;
}

// Until start-up hands over the real prompts, messages go nowhere.
app::UserPrompts& SilentPrompts() {
    static app::ScriptedPrompts prompts;
    return prompts;
}

}  // namespace

LanguageManager& InitLangMan(app::UserPrompts& prompts) {
    Instance() = std::make_unique<LanguageManager>(prompts);
    return *Instance();
}

LanguageManager& LangMan() {
    if (!Instance()) {
        Instance() = std::make_unique<LanguageManager>(SilentPrompts());
    }
    return *Instance();
}

}  // namespace kilnward::language
