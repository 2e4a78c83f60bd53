#include "language/LanguageStore.h"

#include "language/SqlIdentifier.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace kilnward::language {

namespace {
const QString kTable = QStringLiteral("Languages");
}

// Kept prepared for the selected language: a lookup is then one bind and one step.
struct LanguageStore::Lookup {
    explicit Lookup(const QSqlDatabase& db) : query(db) {}
    QSqlQuery query;
};

LanguageStore::LanguageStore() : connectionName_(UniqueConnectionName("LanguageManager")) {}

LanguageStore::~LanguageStore() {
    close();
}

LanguageStore::OpenResult LanguageStore::open(const QString& path, bool writable) {
    close();
    // The SQLite driver would create a missing file; a missing database must stay missing.
    if (!QFileInfo(path).isFile()) {
        return OpenResult::CannotOpen;
    }
    const OpenResult result = openConnection(path, writable);
    if (result != OpenResult::Ok) {
        close();
    }
    return result;
}

LanguageStore::OpenResult LanguageStore::openConnection(const QString& path, bool writable) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(path);
    if (!writable) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!db.open()) {
        return OpenResult::CannotOpen;
    }
    // SQLite opens lazily: a damaged file shows only at its first read.
    if (!QSqlQuery(db).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        return OpenResult::CannotOpen;
    }
    QStringList names = TableColumns(db, kTable);
    if (names.isEmpty()) {
        return OpenResult::NoTable;
    }
    keyColumn_ = names.takeFirst();
    languages_ = names;
    return OpenResult::Ok;
}

void LanguageStore::close() {
    lookup_.reset();
    selected_ = -1;
    languages_.clear();
    keyColumn_.clear();
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

bool LanguageStore::isOpen() const {
    return QSqlDatabase::contains(connectionName_) &&
           QSqlDatabase::database(connectionName_, false).isOpen();
}

bool LanguageStore::selectLanguage(int language) {
    lookup_.reset();
    selected_ = -1;
    if (!isOpen() || language < 0 || language >= languages_.size()) {
        return false;
    }
    auto lookup = std::make_unique<Lookup>(QSqlDatabase::database(connectionName_, false));
    // Keys are compared without regard to case, so "Done" finds the row "done".
    const QString sql =
        QStringLiteral(
            "SELECT %1, %2 AS Translation FROM %3 WHERE %1 = ? "
            "COLLATE NOCASE ORDER BY rowid LIMIT 1")
            .arg(QuoteSqlIdentifier(keyColumn_), QuoteSqlIdentifier(languages_[language]),
                 QuoteSqlIdentifier(kTable));
    if (!lookup->query.prepare(sql)) {
        return false;
    }
    lookup->query.addBindValue(QString());
    if (!lookup->query.exec()) {
        return false;
    }
    lookup->query.finish();
    lookup_ = std::move(lookup);
    selected_ = language;
    return true;
}

std::optional<std::optional<QString>> LanguageStore::find(const QString& key) const {
    if (!lookup_) {
        return std::nullopt;
    }
    QSqlQuery& query = lookup_->query;
    query.bindValue(0, key);
    if (!query.exec() || !query.next()) {
        query.finish();
        return std::nullopt;
    }
    const QVariant cell = query.value(1);
    query.finish();
    // An empty cell is treated like Null: a blank translation would blank the window.
    if (cell.isNull() || cell.toString().isEmpty()) {
        return std::optional<QString>();
    }
    return std::optional<QString>(cell.toString());
}

bool LanguageStore::addRow(const QString& key, const QString& englishText) {
    if (!isOpen()) {
        return false;
    }
    QSqlQuery insert(QSqlDatabase::database(connectionName_, false));
    QString sql = QStringLiteral("INSERT INTO %1 (%2")
                      .arg(QuoteSqlIdentifier(kTable), QuoteSqlIdentifier(keyColumn_));
    if (!languages_.isEmpty()) {
        sql += QStringLiteral(", ") + QuoteSqlIdentifier(languages_.first());
    }
    sql +=
        languages_.isEmpty() ? QStringLiteral(") VALUES (?)") : QStringLiteral(") VALUES (?, ?)");
    if (!insert.prepare(sql)) {
        return false;
    }
    insert.addBindValue(key);
    if (!languages_.isEmpty()) {
        insert.addBindValue(englishText);
    }
    return insert.exec();
}

}  // namespace kilnward::language
