#include "language/LangMan.h"

#include "app/ScriptedPrompts.h"
#include "language/LanguageManager.h"

#include <QSqlDatabase>

#include <memory>

namespace kilnward::language {

namespace {

std::unique_ptr<LanguageManager>& Instance() {
    // The manager closes its database connection when the program ends. Qt's connection
    // registry is made on first use; touching it here makes it outlive the manager.
    [[maybe_unused]] static const bool registryFirst = (QSqlDatabase::connectionNames(), true);
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

void ReleaseLangMan() {
    Instance().reset();
}

LanguageManager& LangMan() {
    if (!Instance()) {
        Instance() = std::make_unique<LanguageManager>(SilentPrompts());
    }
    return *Instance();
}

}  // namespace kilnward::language
