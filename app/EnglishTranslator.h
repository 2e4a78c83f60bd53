#pragma once

#include "app/Translator.h"

namespace kilnward::app {

// No translation: the default text with its placeholders filled.
class EnglishTranslator : public Translator {
  public:
    QString TranslateString(const QString& key, const QString& defaultText,
                            const QStringList& arguments = {}) override;
};

}  // namespace kilnward::app
