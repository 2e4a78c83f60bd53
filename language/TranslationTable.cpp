#include "language/TranslationTable.h"

#include "app/AtomicFile.h"
#include "app/BoundedFile.h"
#include "app/Windows1252.h"
#include "language/SqlIdentifier.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>

namespace kilnward::language {

namespace {

const QString kTable = QStringLiteral("Languages");
// The shipped table is about 100 KiB; a file far beyond it is not a translation table.
constexpr qint64 kMaxTsvBytes = qint64{16} << 20;
const QString kKeyColumn = QStringLiteral("Name");

QString Escape(const QString& cell) {
    QString out;
    out.reserve(cell.size());
    for (const QChar c : cell) {
        switch (c.unicode()) {
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString Unescape(const QString& cell) {
    QString out;
    out.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != QLatin1Char('\\') || i + 1 == cell.size()) {
            out += cell[i];
            continue;
        }
        const QChar next = cell[++i];
        switch (next.unicode()) {
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            default:
                out += next;  // "\\" and unknown escapes keep the character
        }
    }
    return out;
}

// Windows-1252 has no character for five of its bytes; they read as these controls.
bool HasC1Control(const QString& line) {
    return std::any_of(line.begin(), line.end(),
                       [](QChar c) { return c.unicode() >= 0x80 && c.unicode() < 0xA0; });
}

void SetError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

// Closes and forgets the connection when the scope ends, after every query is gone.
class ScopedConnection {
  public:
    explicit ScopedConnection(const QString& path, bool readOnly)
        : name_(UniqueConnectionName(QStringLiteral("TranslationTable"))) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        if (readOnly) {
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        }
        db.open();
    }
    ~ScopedConnection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

  private:
    QString name_;
};

}  // namespace

bool IsValidLanguageName(const QString& name) {
    if (name.trimmed().isEmpty() || name.compare(kKeyColumn, Qt::CaseInsensitive) == 0) {
        return false;
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

bool TranslationTable::readTsv(const QString& path, QString* error) {
    QString why;
    const std::optional<QByteArray> bytes = app::ReadFileBounded(path, kMaxTsvBytes, &why);
    if (!bytes) {
        SetError(error, QStringLiteral("cannot read %1: %2")
                            .arg(path, why.isEmpty() ? QStringLiteral("no such file") : why));
        return false;
    }
    // Text saved by a spreadsheet in the Windows code page is read as such, never with
    // replacement characters.
    const QString text = app::DecodeProfileText(*bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    languages.clear();
    rows.clear();
    QSet<QString> seen;
    bool header = true;
    int lineNumber = 0;
    for (QString line : lines) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line.isEmpty()) {
            continue;
        }
        const QStringList cells = line.split(QLatin1Char('\t'));
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(lineNumber);
        if (HasC1Control(line)) {
            // The bytes of neither UTF-8 nor Windows-1252 text.
            SetError(error, where + QStringLiteral("text that is neither UTF-8 nor Windows-1252"));
            return false;
        }
        if (header) {
            if (cells.first() != kKeyColumn) {
                SetError(error, where + QStringLiteral("the header must begin with \"Name\""));
                return false;
            }
            for (qsizetype i = 1; i < cells.size(); ++i) {
                if (!IsValidLanguageName(cells[i]) || languages.contains(cells[i])) {
                    SetError(error,
                             where + QStringLiteral("bad language column \"%1\"").arg(cells[i]));
                    return false;
                }
                languages << cells[i];
            }
            header = false;
            continue;
        }
        // A row cut short (a file cut in the middle of a line) must not pass for a row whose
        // last translations are missing.
        if (cells.size() != languages.size() + 1) {
            SetError(error, where + QStringLiteral("%1 cells where the header has %2")
                                        .arg(cells.size())
                                        .arg(languages.size() + 1));
            return false;
        }
        Row row;
        row.key = Unescape(cells.first());
        if (row.key.isEmpty() || seen.contains(row.key.toLower())) {
            SetError(error, where + QStringLiteral("empty or repeated key \"%1\"").arg(row.key));
            return false;
        }
        seen.insert(row.key.toLower());
        for (qsizetype i = 0; i < languages.size(); ++i) {
            row.cells.push_back(i + 1 < cells.size() ? Unescape(cells[i + 1]) : QString());
        }
        rows.push_back(std::move(row));
    }
    if (header) {
        SetError(error, path + QStringLiteral(": no header row"));
        return false;
    }
    return true;
}

bool TranslationTable::writeTsv(const QString& path, QString* error) const {
    QString text = kKeyColumn;
    for (const QString& language : languages) {
        text += QLatin1Char('\t') + language;
    }
    text += QLatin1Char('\n');
    for (const Row& row : rows) {
        text += Escape(row.key);
        for (const QString& cell : row.cells) {
            text += QLatin1Char('\t') + Escape(cell);
        }
        text += QLatin1Char('\n');
    }
    QString why;
    if (!app::WriteFileAtomically(path, text.toUtf8(), &why)) {
        SetError(error, QStringLiteral("cannot write %1: %2").arg(path, why));
        return false;
    }
    return true;
}

bool TranslationTable::readDatabase(const QString& path, QString* error) {
    if (!QFileInfo(path).isFile()) {
        SetError(error, QStringLiteral("%1: no such file").arg(path));
        return false;
    }
    languages.clear();
    rows.clear();
    ScopedConnection connection(path, true);
    const QStringList columns = TableColumns(connection.db(), kTable);
    if (columns.isEmpty()) {
        SetError(error,
                 QStringLiteral("%1: not a language database (no table \"Languages\")").arg(path));
        return false;
    }
    QStringList quoted;
    for (const QString& column : columns) {
        quoted << QuoteSqlIdentifier(column);
    }
    QSqlQuery query(connection.db());
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                        .arg(quoted.join(QStringLiteral(", ")), QuoteSqlIdentifier(kTable)))) {
        SetError(error, QStringLiteral("%1: %2").arg(path, query.lastError().text()));
        return false;
    }
    languages = columns.mid(1);
    while (query.next()) {
        Row row;
        row.key = query.value(0).toString();
        for (qsizetype i = 1; i < columns.size(); ++i) {
            row.cells.push_back(query.value(static_cast<int>(i)).toString());
        }
        rows.push_back(std::move(row));
    }
    return true;
}

bool TranslationTable::writeDatabase(const QString& path, QString* error) const {
    // Built in a folder of its own, then written over the target by the atomic writer: a
    // failed build keeps the old file, and a linked or protected database is treated as
    // every other saved file.
    const QTemporaryDir folder;
    const QString temporary = folder.filePath(QStringLiteral("Language.mdb"));
    bool ok = false;
    QString failure;
    {
        ScopedConnection connection(temporary, false);
        QSqlDatabase db = connection.db();
        QSqlQuery query(db);
        QStringList definitions{QuoteSqlIdentifier(kKeyColumn) + QStringLiteral(" TEXT")};
        for (const QString& language : languages) {
            definitions << QuoteSqlIdentifier(language) + QStringLiteral(" TEXT");
        }
        ok = db.isOpen() &&
             query.exec(
                 QStringLiteral("CREATE TABLE %1 (%2)")
                     .arg(QuoteSqlIdentifier(kTable), definitions.join(QStringLiteral(", ")))) &&
             query.exec(QStringLiteral("CREATE INDEX LanguagesByName ON %1 (%2 COLLATE NOCASE)")
                            .arg(QuoteSqlIdentifier(kTable), QuoteSqlIdentifier(kKeyColumn))) &&
             db.transaction();
        QString placeholders = QStringLiteral("?");
        for (qsizetype i = 0; i < languages.size(); ++i) {
            placeholders += QStringLiteral(", ?");
        }
        ok = ok && query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                     .arg(QuoteSqlIdentifier(kTable), placeholders));
        for (const Row& row : rows) {
            if (!ok) {
                break;
            }
            query.addBindValue(row.key);
            for (qsizetype i = 0; i < languages.size(); ++i) {
                const QString cell =
                    i < static_cast<qsizetype>(row.cells.size()) ? row.cells[i] : QString();
                // Empty cells are Null: no translation.
                query.addBindValue(cell.isEmpty() ? QVariant() : QVariant(cell));
            }
            ok = query.exec();
        }
        ok = ok && db.commit();
        if (!ok) {
            failure =
                query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
        }
        query = QSqlQuery();
    }
    if (ok) {
        QFile built(temporary);
        ok = built.open(QIODevice::ReadOnly);
        failure = built.errorString();
        ok = ok && app::WriteFileAtomically(path, built.readAll(), &failure);
    }
    if (!ok) {
        SetError(error, QStringLiteral("%1: %2").arg(path, failure));
    }
    return ok;
}

}  // namespace kilnward::language
