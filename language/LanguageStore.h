#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kilnward::language {

// The SQLite side of the language database: one connection per store (unique name), the
// table "Languages" and the rows of the selected language. Keys are bound as query
// parameters and column names quoted as identifiers, so any text can be a key.
class LanguageStore {
  public:
    enum class OpenResult { Ok, CannotOpen, NoTable };

    LanguageStore();
    ~LanguageStore();
    LanguageStore(const LanguageStore&) = delete;
    LanguageStore& operator=(const LanguageStore&) = delete;

    // Opens an existing file (a missing file is never created) and reads the column layout.
    // Read-only unless `writable` (learning mode adds rows).
    OpenResult open(const QString& path, bool writable);
    void close();
    bool isOpen() const;

    // Column names after "Name": the languages.
    const QStringList& languages() const { return languages_; }
    // Checks that the rows of `language` can be read; false when not.
    bool selectLanguage(int language);
    bool hasSelection() const { return selected_ >= 0; }
    void clearSelection() { selected_ = -1; }

    // The row of `key`: nullopt when there is none; an engaged empty optional inside when
    // the row exists but its cell for the selected language is Null.
    std::optional<std::optional<QString>> find(const QString& key) const;
    // Adds the row (key, English text); other languages Null. False on failure.
    bool addRow(const QString& key, const QString& englishText);

  private:
    OpenResult openConnection(const QString& path, bool writable);

    QString keyColumn_;
    QString connectionName_;
    QStringList languages_;
    int selected_ = -1;
    struct Lookup;
    std::unique_ptr<Lookup> lookup_;  // the prepared query of the selected language
};

}  // namespace kilnward::language
