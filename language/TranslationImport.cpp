#include "language/TranslationImport.h"

#include <QHash>

namespace kilnward::language {

namespace {

// The texts of `row` of `table` under the languages of `target`, by language name; a
// language `table` lacks gives no text.
std::vector<QString> CellsFor(const TranslationTable& table, const TranslationTable::Row& row,
                              const QStringList& target) {
    std::vector<QString> cells;
    for (const QString& language : target) {
        const qsizetype at = table.languages.indexOf(language);
        cells.push_back(at >= 0 && at < static_cast<qsizetype>(row.cells.size())
                            ? row.cells[static_cast<std::size_t>(at)]
                            : QString());
    }
    return cells;
}

// Keys match without regard to case, as lookups do.
QHash<QString, std::size_t> RowsByKey(const TranslationTable& table) {
    QHash<QString, std::size_t> rows;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        rows.insert(table.rows[i].key.toCaseFolded(), i);
    }
    return rows;
}

}  // namespace

TranslationTable MergeImport(const TranslationTable& current, const TranslationTable& incoming,
                             bool removeMissing, ImportSummary& summary) {
    summary = {};
    const QHash<QString, std::size_t> currentRows = RowsByKey(current);
    const QHash<QString, std::size_t> incomingRows = RowsByKey(incoming);
    TranslationTable merged = incoming;
    for (const TranslationTable::Row& row : incoming.rows) {
        const auto found = currentRows.constFind(row.key.toCaseFolded());
        if (found == currentRows.cend()) {
            ++summary.added;
        } else if (CellsFor(current, current.rows[*found], incoming.languages) != row.cells ||
                   current.rows[*found].key != row.key) {
            ++summary.changed;
        }
    }
    for (const TranslationTable::Row& row : current.rows) {
        if (incomingRows.contains(row.key.toCaseFolded())) {
            continue;
        }
        if (removeMissing) {
            ++summary.removed;
            continue;
        }
        ++summary.kept;
        merged.rows.push_back({row.key, CellsFor(current, row, incoming.languages)});
    }
    return merged;
}

}  // namespace kilnward::language
