#include "dialogs/ProgramInfo.h"

#include "app/Translator.h"

namespace kilnward::dialogs {

QString CompanyLine(app::Translator& translator) {
    return app::Translated(translator, "CompanyName", "Nordavel S.p.a.") + QStringLiteral(", ") +
           app::Translated(translator, "LegalCopyright", "All rights reserved");
}

QString CommentsText(app::Translator& translator) {
    return app::Translated(translator, "Comments",
                           "Configuration tool for portable flue-gas analysers");
}

}  // namespace kilnward::dialogs
