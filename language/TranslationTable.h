#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kilnward::language {

// The translation table as text: a header row "Name", then one column per language, then one
// row per key; tab-separated UTF-8 (a file that is not UTF-8 is read as Windows-1252). Cells hold
// "\t", "\n", "\r" and "\\" escaped; an empty cell is a missing (Null) translation. Translators
// round-trip it through the database, and the build makes Language.mdb from data/translations.tsv
// with the same code.
class TranslationTable {
  public:
    struct Row {
        QString key;
        std::vector<QString> cells;  // one per language; empty = Null
    };

    QStringList languages;  // column names after "Name"
    std::vector<Row> rows;

    // Parsing fails (false, `error` set, naming the file and line) on a missing header, a
    // header not starting with "Name", an invalid column name, a row with another number of
    // cells than the header, or a repeated key.
    bool readTsv(const QString& path, QString* error);
    bool writeTsv(const QString& path, QString* error) const;
    // Reads the table "Languages" of an existing database.
    bool readDatabase(const QString& path, QString* error);
    // Writes a new database (replacing `path` atomically) holding exactly this table.
    bool writeDatabase(const QString& path, QString* error) const;
};

// True when `name` can be a language column: not empty, no control characters, not "Name".
bool IsValidLanguageName(const QString& name);

}  // namespace kilnward::language
