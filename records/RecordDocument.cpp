#include "records/RecordDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <stdexcept>

#include "app/AtomicFile.h"
#include "app/VersionString.h"
#include "records/RecordTexts.h"

namespace kilnward::records {

namespace {

constexpr double kMarginMm = 15.0;
constexpr int kPdfResolution = 300;
constexpr double kFontPoints = 9.0;

const QString kStyle = QStringLiteral(
    "<style>"
    "h1 { font-size: 16pt; } h2 { font-size: 13pt; } h3 { font-size: 11pt; }"
    "th { background-color: #e8e8e8; text-align: left; }"
    "td.name { font-weight: bold; padding-right: 12px; }"
    "</style>");

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString Cells(const QStringList& texts, const char* cell, const std::vector<int>& widths = {}) {
    QString row;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto column = static_cast<std::size_t>(i);
        const QString width = column < widths.size()
                                  ? QStringLiteral(" width=\"%1%\"").arg(widths[column])
                                  : QString();
        row +=
            QStringLiteral("<%1%2>%3</%1>").arg(QLatin1String(cell), width, Escaped(texts.at(i)));
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

void RecordDocument::table(const QStringList& headers, const std::vector<QStringList>& rows,
                           const std::vector<int>& widths) {
    body_ += QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
        "style=\"border-collapse: collapse; border-color: #999999;\">");
    if (!headers.isEmpty()) {
        body_ +=
            QStringLiteral("<thead>") + Cells(headers, "th", widths) + QStringLiteral("</thead>");
    }
    for (const QStringList& row : rows) {
        body_ += Cells(row, "td");
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
    QFont font = document.defaultFont();
    font.setPointSizeF(kFontPoints);
    document.setDefaultFont(font);
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
