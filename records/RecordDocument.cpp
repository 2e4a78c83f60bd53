#include "records/RecordDocument.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <stdexcept>

#include "app/AtomicFile.h"
#include "app/VersionString.h"
#include "records/ColumnWidths.h"
#include "records/RecordTexts.h"

namespace kilnward::records {

namespace {

// No margins of the writer's own: QTextDocument::print then keeps its own 2 cm (and 2 mm)
// around the text, and numbers the pages below it.
constexpr double kMarginMm = 0.0;
constexpr int kPdfResolution = 300;
constexpr double kFontPoints = 9.0;
// The width a table is laid out in: an A4 page within its margins, less the 2 cm that
// QTextDocument::print keeps on either side of a document it lays out on pages itself.
constexpr double kPrintMarginMm = 22.0;
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kTextWidthPoints = (210.0 - 2 * kMarginMm - 2 * kPrintMarginMm) * kPointsPerMm;
// A table with many long words is set smaller rather than breaking them, but no smaller.
constexpr double kLeastTablePoints = 6.5;

QFont RecordFont() {
    QFont font;
    font.setPointSizeF(kFontPoints);
    return font;
}

const QString kStyle = QStringLiteral(
    "<style>"
    "h1 { font-size: 16pt; } h2 { font-size: 13pt; } h3 { font-size: 11pt; }"
    "th { background-color: #e8e8e8; text-align: left; }"
    "td.name { font-weight: bold; padding-right: 12px; }"
    "</style>");

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString Cells(const QStringList& texts, const char* cell, const ColumnLayout& layout,
              bool withWidths) {
    const std::vector<double>& widths = withWidths ? layout.shares : std::vector<double>{};
    const QString size =
        QStringLiteral("<span style=\"font-size: %1pt\">").arg(layout.fontPoints, 0, 'f', 2);
    QString row;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto column = static_cast<std::size_t>(i);
        const QString width = column < widths.size()
                                  ? QStringLiteral(" width=\"%1%\"").arg(widths[column], 0, 'f', 2)
                                  : QString();
        row += QStringLiteral("<%1%2>%3%4</span></%1>")
                   .arg(QLatin1String(cell), width, size, Escaped(texts.at(i)));
    }
    return QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
}

}  // namespace

RecordDocument::RecordDocument(const QString& title) : title_(title) {
    heading(title, 1);
}

void RecordDocument::heading(const QString& text, int level) {
    body_ += QStringLiteral("<h%1>%2</h%1>").arg(level).arg(Escaped(text));
}

void RecordDocument::paragraph(const QString& text) {
    body_ += QStringLiteral("<p>") + Escaped(text) + QStringLiteral("</p>");
}

void RecordDocument::facts(const std::vector<std::pair<QString, QString>>& rows) {
    body_ += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const auto& [name, value] : rows) {
        body_ += QStringLiteral("<tr><td class=\"name\">%1</td><td>%2</td></tr>")
                     .arg(Escaped(name), Escaped(value));
    }
    body_ += QStringLiteral("</table>");
}

void RecordDocument::table(const QStringList& headers, const std::vector<QStringList>& rows) {
    const ColumnLayout layout =
        SizeColumns(headers, rows, RecordFont(), kTextWidthPoints, kLeastTablePoints);
    body_ += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
        "style=\"border-collapse: collapse; border-color: #999999;\">");
    if (!headers.isEmpty()) {
        body_ += QStringLiteral("<thead>") + Cells(headers, "th", layout, true) +
                 QStringLiteral("</thead>");
    }
    for (const QStringList& row : rows) {
        // The widths go with the first row.
        body_ += Cells(row, "td", layout, headers.isEmpty() && &row == &rows.front());
    }
    body_ += QStringLiteral("</table>");
}

void RecordDocument::preformatted(const QStringList& lines) {
    body_ += QStringLiteral("<pre>") + Escaped(lines.join(u'\n')) + QStringLiteral("</pre>");
}

QString RecordDocument::html() const {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>") + Escaped(title_) +
           QStringLiteral("</title>") + kStyle + QStringLiteral("</head><body>") + body_ +
           QStringLiteral("</body></html>");
}

QString RecordDocument::plainText() const {
    QTextDocument document;
    document.setHtml(html());
    return document.toPlainText();
}

void RecordDocument::print(QPagedPaintDevice& device) const {
    QTextDocument document;
    document.setDefaultFont(RecordFont());
    document.setHtml(html());
    document.print(&device);
}

void RecordDocument::writePdf(const QString& path, app::Translator& translator) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(title_);
        writer.setCreator(app::ApplicationTitle() + u' ' + app::VersionString());
        print(writer);
    }
    QString why;
    if (!app::WriteFileAtomically(path, buffer.data(), &why)) {
        throw std::runtime_error(kPdfFailedText.translated(translator, {path, why}).toStdString());
    }
}

}  // namespace kilnward::records
