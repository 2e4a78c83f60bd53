#include "dialogs/ProgramInfo.h"

#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

QString CompanyLine() {
    language::LanguageManager& langMan = language::LangMan();
    return langMan.TranslateString(QStringLiteral("CompanyName"),
                                   QStringLiteral("Nordavel S.p.a.")) +
           QStringLiteral(", ") +
           langMan.TranslateString(QStringLiteral("LegalCopyright"),
                                   QStringLiteral("All rights reserved"));
}

QString CommentsText() {
    return language::LangMan().TranslateString(
        QStringLiteral("Comments"),
        QStringLiteral("Configuration tool for portable flue-gas analysers"));
}

}  // namespace kilnward::dialogs
