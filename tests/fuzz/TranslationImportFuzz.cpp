// Arbitrary bytes as a translation table: reading refuses or yields rows of exactly one cell
// per language, and importing it over the shipped table keeps every key unless asked not to.
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "language/TranslationImport.h"
#include "language/TranslationTable.h"
#include "tests/support/FileBytes.h"

using kilnward::language::TranslationTable;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    static const TranslationTable shipped = [] {
        TranslationTable table;
        table.readTsv(QStringLiteral(KILNWARD_DATA_DIR "/translations.tsv"), nullptr);
        return table;
    }();
    const QString path = QDir(folder.path()).filePath(QStringLiteral("table.tsv"));
    kilnward::test::WriteBytes(
        path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    TranslationTable incoming;
    if (!incoming.readTsv(path, nullptr)) {
        return 0;
    }
    for (const TranslationTable::Row& row : incoming.rows) {
        if (row.cells.size() != static_cast<std::size_t>(incoming.languages.size())) {
            std::abort();
        }
    }
    kilnward::language::ImportSummary summary;
    const TranslationTable merged =
        kilnward::language::MergeImport(shipped, incoming, false, summary);
    if (summary.removed != 0 || merged.rows.size() < shipped.rows.size()) {
        std::abort();
    }
    return 0;
}
