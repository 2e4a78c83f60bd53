#include "language/TranslationImport.h"

#include <QHash>

namespace kilnward::language {

namespace {

constexpr qsizetype kNone = -1;

// Column names match without regard to case, as the database's columns do.
qsizetype IndexOfLanguage(const QStringList& languages, const QString& name) {
    for (qsizetype i = 0; i < languages.size(); ++i) {
        if (languages[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return kNone;
}

// For every language of `target`, its column in `languages` (kNone when it lacks it).
std::vector<qsizetype> ColumnsIn(const QStringList& languages, const QStringList& target) {
    std::vector<qsizetype> columns;
    for (const QString& language : target) {
        columns.push_back(IndexOfLanguage(languages, language));
    }
    return columns;
}

QString Cell(const TranslationTable::Row* row, qsizetype column) {
    if (!row || column == kNone || column >= static_cast<qsizetype>(row->cells.size())) {
        return {};
    }
    return row->cells[static_cast<std::size_t>(column)];
}

// Keys match without regard to case, as lookups do.
QHash<QString, std::size_t> RowsByKey(const TranslationTable& table) {
    QHash<QString, std::size_t> rows;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        rows.insert(table.rows[i].key.toCaseFolded(), i);
    }
    return rows;
}

void Count(LanguageSummary& language, const QString& before, const QString& after) {
    if (before == after) {
        return;
    }
    if (before.isEmpty()) {
        ++language.added;
    } else if (after.isEmpty()) {
        ++language.removed;
    } else {
        ++language.changed;
    }
}

}  // namespace

TranslationTable MergeImport(const TranslationTable& current, const TranslationTable& incoming,
                             bool removeMissing, ImportSummary& summary) {
    summary = {};
    // The database's columns keep their places, so a stored language index keeps selecting
    // the same language; languages new to it follow in the file's order.
    TranslationTable merged;
    merged.languages = current.languages;
    for (const QString& language : incoming.languages) {
        if (IndexOfLanguage(merged.languages, language) == kNone) {
            merged.languages << language;
        }
    }
    const std::vector<qsizetype> fromCurrent = ColumnsIn(current.languages, merged.languages);
    const std::vector<qsizetype> fromIncoming = ColumnsIn(incoming.languages, merged.languages);
    for (std::size_t c = 0; c < fromCurrent.size(); ++c) {
        summary.languages.push_back({merged.languages[static_cast<qsizetype>(c)],
                                     fromIncoming[c] != kNone, fromCurrent[c] == kNone});
    }

    const QHash<QString, std::size_t> currentRows = RowsByKey(current);
    const QHash<QString, std::size_t> incomingRows = RowsByKey(incoming);
    for (const TranslationTable::Row& row : incoming.rows) {
        const auto found = currentRows.constFind(row.key.toCaseFolded());
        const TranslationTable::Row* old =
            found == currentRows.cend() ? nullptr : &current.rows[*found];
        TranslationTable::Row out{row.key, {}};
        bool differs = old && old->key != row.key;
        for (std::size_t c = 0; c < fromCurrent.size(); ++c) {
            const QString before = Cell(old, fromCurrent[c]);
            // A language the file lacks keeps its text.
            const QString after = fromIncoming[c] == kNone ? before : Cell(&row, fromIncoming[c]);
            Count(summary.languages[c], before, after);
            differs = differs || before != after;
            out.cells.push_back(after);
        }
        if (!old) {
            ++summary.added;
        } else if (differs) {
            ++summary.changed;
        }
        merged.rows.push_back(std::move(out));
    }
    for (const TranslationTable::Row& row : current.rows) {
        if (incomingRows.contains(row.key.toCaseFolded())) {
            continue;
        }
        TranslationTable::Row out{row.key, {}};
        for (std::size_t c = 0; c < fromCurrent.size(); ++c) {
            out.cells.push_back(Cell(&row, fromCurrent[c]));
            if (removeMissing) {
                Count(summary.languages[c], out.cells.back(), QString());
            }
        }
        if (removeMissing) {
            ++summary.removed;
            continue;
        }
        ++summary.kept;
        merged.rows.push_back(std::move(out));
    }
    return merged;
}

}  // namespace kilnward::language
