#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QPagedPaintDevice;

namespace kilnward::app {
class Translator;
}

namespace kilnward::records {

// A record as rich text, built in reading order, then printed or written as PDF. Every text
// given is plain and escaped here.
class RecordDocument {
  public:
    explicit RecordDocument(const QString& title);

    void heading(const QString& text, int level = 2);
    void paragraph(const QString& text);
    // Name and value pairs, the names in bold.
    void facts(const std::vector<std::pair<QString, QString>>& rows);
    // A ruled table with a header row (none when `headers` is empty), its columns sized from
    // their content (ColumnShares) so that no header and no word is broken.
    void table(const QStringList& headers, const std::vector<QStringList>& rows);
    // Lines kept as they are, in a fixed-width font (a table that aligns by spaces).
    void preformatted(const QStringList& lines);

    const QString& title() const { return title_; }
    QString html() const;
    // The document as plain text (what a reader of the PDF finds).
    QString plainText() const;
    // Lays the document out on `device`'s pages and paints it.
    void print(QPagedPaintDevice& device) const;
    // Writes the document as an A4 PDF to `path` through a temporary file, so a failure
    // leaves no partial file; throws std::runtime_error with the translated reason.
    void writePdf(const QString& path, app::Translator& translator) const;

  private:
    QString title_;
    QString body_;
};

}  // namespace kilnward::records
