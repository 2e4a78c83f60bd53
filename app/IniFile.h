#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kilnward::app {

// An INI file held in memory with the semantics of the Windows profile functions:
// sections and keys match case-insensitively, keys and values are trimmed and a value loses
// one pair of matching quotes around it, the first occurrence of a section or key wins, and lines
// this class does not touch (comments, blank lines, other sections) are kept in their order. Saving
// writes the whole file to a temporary file that then replaces the old one, so an interrupted save
// keeps the old file.
// Sections and keys are found through an index, so reading every key of a large file costs
// one pass, not one scan per key.
class IniFile {
  public:
    IniFile() = default;

    // Empty when the file does not exist, cannot be read or is larger than a profile file
    // can be (kMaxProfileFileBytes); `error` (if given) then says why, and stays empty when
    // the file does not exist.
    static std::optional<IniFile> load(const QString& path, QString* error = nullptr);
    static IniFile parse(const QString& text);

    bool hasSection(const QString& section) const;
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    // The section's entries as "key=value" (or the bare line when it holds no '='), in order.
    QStringList sectionLines(const QString& section) const;
    QStringList sectionNames() const;

    // Replaces the first matching key in place or appends it at the end of its section
    // (the section is appended at the end of the file when missing). A value with blanks
    // around it, or with quotes around it, is stored in double quotes so that it reads back
    // unchanged; line breaks in names and values become blanks, so a value cannot add lines.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    QString toText() const;  // CRLF line ends
    // Windows-1252 when every character fits, else UTF-8 (so no text is ever lost).
    QByteArray toBytes() const;
    // Atomic replace; on failure `error` (if given) says why and the old file is intact.
    bool save(const QString& path, QString* error = nullptr) const;

  private:
    struct Line {
        QString raw;      // the line as read, for lines that are kept untouched
        QString section;  // header lines: the section name; else empty
        QString key;      // entry lines: trimmed key; else empty
        QString value;    // entry lines: trimmed value
        enum class Kind { Other, Section, Entry } kind = Kind::Other;
    };
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;
    int sectionEnd(int sectionLine) const;
    // Adds a line at `at`; appending keeps the index, an insertion elsewhere rebuilds it.
    void insertLine(int at, Line line);
    void eraseLines(int from, int to);
    void indexLine(int at) const;
    void ensureIndex() const;

    std::vector<Line> lines_;
    // Folded section name -> its first header line; "line\nfolded key" -> first entry line.
    mutable QHash<QString, int> sectionIndex_;
    mutable QHash<QString, int> keyIndex_;
    mutable bool indexed_ = false;
    mutable int indexSection_ = -1;  // header line of the section the last indexed line is in
};

}  // namespace kilnward::app
