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

}  // namespace kilnward::language
