#pragma once

#include "app/Translator.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kilnward::app {
class UserPrompts;
}

namespace kilnward::language {

class TranslatableControl;
class TranslatableWindow;
class LanguageStore;

// Translates every visible text from the language database "Language.mdb" (SQLite, table
// "Languages": first column "Name" holds the keys, then one column per language, English
// first). When the database is missing or unreadable, every text stays English.
class LanguageManager : public app::Translator {
  public:
    explicit LanguageManager(app::UserPrompts& prompts);
    ~LanguageManager() override;
    LanguageManager(const LanguageManager&) = delete;
    LanguageManager& operator=(const LanguageManager&) = delete;

    // True when the database is usable; otherwise says "Language Manager not available.".
    bool CanChangeLanguage();
    int LanguageCount() const;  // 0 when not available
    QString DatabaseName() const;
    QString Language(int index) const;  // column name, empty when out of range
    // Selects a language; an index out of range selects language 0.
    void SetLanguageIndex(int index);
    int LanguageIndex() const;

    // Opens the database at `path` (never creates it) and selects language 0. Failures are
    // reported ("Cannot find languages database." / "Error reading languages database.")
    // and return false. `createMode` is the learning mode: keys looked up and not found are
    // added with their English text.
    bool OpenLanguageDataBase(const QString& path, bool createMode);

    QString TranslateString(const QString& key, const QString& defaultText,
                            const QStringList& arguments = {}) override;

    void TranslateObject(TranslatableWindow& window);
    void TranslateObject(TranslatableControl& control);
    void TranslateForm(TranslatableWindow& window);
    void TranslateControl(TranslatableControl& control);
    // Translates every registered (loaded) window, when a language is selected.
    void TranslateAll();

    // Loaded windows, for TranslateAll. A window unregisters itself before it goes away.
    void RegisterWindow(TranslatableWindow& window);
    void UnregisterWindow(TranslatableWindow& window);

    bool IsAvailable() const;
    bool LearningMode() const { return createMode_; }
    // True while a language's texts are in use; every lookup falls back to the default
    // text otherwise.
    bool IsLanguageSelected() const;

    void SetPrompts(app::UserPrompts& prompts) { prompts_ = &prompts; }

  private:
    void closeDatabase();
    void selectLanguageColumn();
    void reportError(const QString& message);
    // Looks up `key`; when missing in learning mode adds it with `englishText`.
    // nullopt: no usable translation.
    std::optional<QString> lookUp(const QString& key, const QString& englishText);
    void translateItem(const QString& key, const QString& current,
                       const std::function<void(const QString&)>& apply);

    app::UserPrompts* prompts_;
    std::unique_ptr<LanguageStore> store_;
    QString databaseName_;
    int languageIndex_ = 0;
    bool createMode_ = false;
    std::vector<TranslatableWindow*> windows_;
};

// Translates `window` through `translator`: its caption and controls from the database when
// the translator is the language manager, then the window's own routine. Another translator
// has no captions to give, so the window keeps its design texts and only its routine runs.
void TranslateWindow(app::Translator& translator, TranslatableWindow& window);

}  // namespace kilnward::language
