#include "app/IniFile.h"

#include "app/AtomicFile.h"
#include "app/BoundedFile.h"
#include "app/Windows1252.h"

namespace kilnward::app {

namespace {

// A line break inside a written name or value would start a new line of the file: a value
// could then forge keys and sections. Line breaks become blanks.
QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool IsQuote(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Readers drop one pair of matching quotes around a value, as the profile functions do.
bool IsQuoted(const QString& value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

// What a reader of the stored text hands back.
QString Unquoted(const QString& stored) {
    return IsQuoted(stored) ? stored.mid(1, stored.size() - 2) : stored;
}

// The stored text that reads back as `value`: quoted when the blanks around it would
// otherwise be trimmed or quotes around it dropped.
QString Quoted(const QString& value) {
    if (value != value.trimmed() || IsQuoted(value)) {
        return QLatin1Char('"') + value + QLatin1Char('"');
    }
    return value;
}

// The form under which a name is indexed and looked up: names match without regard to case,
// and a caller's name is taken the way it would be written, so blanks around it find the
// same entry.
QString Folded(const QString& name) {
    return OneLine(name).trimmed().toCaseFolded();
}

QString KeyIndexName(int sectionLine, const QString& foldedKey) {
    return QString::number(sectionLine) + QLatin1Char('\n') + foldedKey;
}

}  // namespace

std::optional<IniFile> IniFile::load(const QString& path, QString* error) {
    const std::optional<QByteArray> bytes = ReadFileBounded(path, kMaxProfileFileBytes, error);
    if (!bytes) {
        return std::nullopt;
    }
    return parse(DecodeProfileText(*bytes));
}

IniFile IniFile::parse(const QString& text) {
    IniFile ini;
    QStringList rawLines = text.split(QLatin1Char('\n'));
    if (!rawLines.isEmpty() && rawLines.last().isEmpty()) {
        rawLines.removeLast();  // the final line end
    }
    for (QString raw : rawLines) {
        if (raw.endsWith(QLatin1Char('\r'))) {
            raw.chop(1);
        }
        Line line;
        line.raw = raw;
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            const int close = trimmed.indexOf(QLatin1Char(']'));
            line.kind = Line::Kind::Section;
            line.section = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
        } else if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char(';'))) {
            line.kind = Line::Kind::Entry;
            const int equals = trimmed.indexOf(QLatin1Char('='));
            line.key = equals < 0 ? trimmed : trimmed.left(equals).trimmed();
            line.value = equals < 0 ? QString() : trimmed.mid(equals + 1).trimmed();
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

void IniFile::indexLine(int at) const {
    const Line& line = lines_[static_cast<std::size_t>(at)];
    if (line.kind == Line::Kind::Section) {
        indexSection_ = at;
        const QString name = Folded(line.section);
        if (!sectionIndex_.contains(name)) {  // the first occurrence wins
            sectionIndex_.insert(name, at);
        }
    } else if (line.kind == Line::Kind::Entry && indexSection_ >= 0) {
        const QString name = KeyIndexName(indexSection_, Folded(line.key));
        if (!keyIndex_.contains(name)) {
            keyIndex_.insert(name, at);
        }
    }
}

void IniFile::ensureIndex() const {
    if (indexed_) {
        return;
    }
    sectionIndex_.clear();
    keyIndex_.clear();
    indexSection_ = -1;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        indexLine(i);
    }
    indexed_ = true;
}

void IniFile::insertLine(int at, Line line) {
    const bool appended = at == static_cast<int>(lines_.size());
    lines_.insert(lines_.begin() + at, std::move(line));
    if (appended && indexed_) {
        indexLine(at);
    } else {
        indexed_ = false;
    }
}

void IniFile::eraseLines(int from, int to) {
    lines_.erase(lines_.begin() + from, lines_.begin() + to);
    indexed_ = false;
}

int IniFile::findSection(const QString& section) const {
    ensureIndex();
    return sectionIndex_.value(Folded(section), -1);
}

int IniFile::sectionEnd(int sectionLine) const {
    int i = sectionLine + 1;
    while (i < static_cast<int>(lines_.size()) && lines_[i].kind != Line::Kind::Section) {
        ++i;
    }
    return i;
}

int IniFile::findKey(int sectionLine, const QString& key) const {
    ensureIndex();
    return keyIndex_.value(KeyIndexName(sectionLine, Folded(key)), -1);
}

bool IniFile::hasSection(const QString& section) const {
    return findSection(section) >= 0;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    // A key line without "=" names a key that has no value: readers get their default.
    if (k < 0 || !lines_[k].raw.contains(QLatin1Char('='))) {
        return std::nullopt;
    }
    return Unquoted(lines_[k].value);
}

QString IniFile::value(const QString& section, const QString& key,
                       const QString& defaultValue) const {
    return value(section, key).value_or(defaultValue);
}

QStringList IniFile::sectionLines(const QString& section) const {
    QStringList result;
    const int s = findSection(section);
    if (s < 0) {
        return result;
    }
    const int end = sectionEnd(s);
    for (int i = s + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Line::Kind::Entry) {
            const bool hasEquals = line.raw.contains(QLatin1Char('='));
            result << (hasEquals ? line.key + QLatin1Char('=') + line.value : line.key);
        }
    }
    return result;
}

QStringList IniFile::sectionNames() const {
    QStringList names;
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Section) {
            names << line.section;
        }
    }
    return names;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    Line entry;
    entry.kind = Line::Kind::Entry;
    entry.key = OneLine(key).trimmed();
    entry.value = Quoted(OneLine(value));
    entry.raw = entry.key + QLatin1Char('=') + entry.value;

    int s = findSection(section);
    if (s < 0) {
        Line header;
        header.kind = Line::Kind::Section;
        header.section = OneLine(section).trimmed();
        header.raw = QLatin1Char('[') + header.section + QLatin1Char(']');
        insertLine(static_cast<int>(lines_.size()), std::move(header));
        insertLine(static_cast<int>(lines_.size()), std::move(entry));
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        lines_[k] = std::move(entry);
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int insertAt = sectionEnd(s);
    while (insertAt > s + 1 && lines_[insertAt - 1].raw.trimmed().isEmpty()) {
        --insertAt;
    }
    insertLine(insertAt, std::move(entry));
}

void IniFile::removeKey(const QString& section, const QString& key) {
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k >= 0) {
        eraseLines(k, k + 1);
    }
}

void IniFile::removeSection(const QString& section) {
    const int s = findSection(section);
    if (s >= 0) {
        eraseLines(s, sectionEnd(s));
    }
}

QString IniFile::toText() const {
    QString text;
    for (const Line& line : lines_) {
        text += line.raw;
        text += QLatin1String("\r\n");
    }
    return text;
}

QByteArray IniFile::toBytes() const {
    return EncodeProfileText(toText());
}

bool IniFile::save(const QString& path, QString* error) const {
    return WriteFileAtomically(path, toBytes(), error);
}

}  // namespace kilnward::app
