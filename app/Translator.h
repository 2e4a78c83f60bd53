#pragma once

#include <QString>
#include <QStringList>

namespace kilnward::app {

// Looks up a user-visible text by key. The language manager implements it; code below the
// language layer (the catalogue) receives it instead of reaching for the manager.
class Translator {
  public:
    virtual ~Translator() = default;
    // The translation of `key`, or `defaultText`; placeholders "%1%", "%2%"... filled from
    // `arguments`.
    virtual QString TranslateString(const QString& key, const QString& defaultText,
                                    const QStringList& arguments = {}) = 0;
};

// The translation of `key`, `english` (UTF-8, as written in the source) when the table lacks
// it: the one short way code asks its translator for a text.
inline QString Translated(Translator& translator, const char* key, const char* english,
                          const QStringList& arguments = {}) {
    return translator.TranslateString(QLatin1String(key), QString::fromUtf8(english), arguments);
}

}  // namespace kilnward::app
