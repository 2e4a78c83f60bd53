#pragma once

#include <QLocale>
#include <QString>

namespace kilnward::language {
class LanguageManager;
}

namespace kilnward::dialogs {

// The locale of a language as the language database names its column ("Deutsch",
// "Italiano"), found by the language's own name; the C locale for a name no locale has.
QLocale LanguageLocale(const QString& languageName);

// Qt's own texts (message-box buttons, file dialogs) in the language the language manager
// uses now: Qt's "qtbase" catalogue for it from Qt's translations folder replaces the one
// loaded before. English, or a language Qt has no catalogue for, leaves Qt's texts English.
// Returns the name of the catalogue's locale ("de"), empty when none is loaded.
QString FollowLanguageInQt(language::LanguageManager& langMan);

}  // namespace kilnward::dialogs
