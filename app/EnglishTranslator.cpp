#include "app/EnglishTranslator.h"

#include "app/SubstituteArguments.h"

namespace kilnward::app {

QString EnglishTranslator::TranslateString(const QString& /*key*/, const QString& defaultText,
                                           const QStringList& arguments) {
    return SubstituteArguments(defaultText, arguments);
}

}  // namespace kilnward::app
