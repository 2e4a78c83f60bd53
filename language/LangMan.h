#pragma once

namespace kilnward::app {
class UserPrompts;
}

namespace kilnward::language {

class LanguageManager;

// The one application-wide language manager. InitLangMan creates it (replacing any earlier
// one) with the prompts it reports through; LangMan() then returns it. Before InitLangMan,
// LangMan() returns a manager that is not available and reports to nobody... it answers
// every text in English.
LanguageManager& InitLangMan(app::UserPrompts& prompts);
LanguageManager& LangMan();
// Closes and destroys the manager. The program calls it as it ends, while Qt's SQL layer is
// still complete; a later LangMan() starts an English-only manager again.
void ReleaseLangMan();

}  // namespace kilnward::language
