#include "records/ConfigSheet.h"

#include "form/ShownCaption.h"
#include "records/RecordTexts.h"

namespace kilnward::records {

namespace {

// The listing's lines grouped as the sheet shows them.
class SheetBuilder {
  public:
    explicit SheetBuilder(RecordDocument& document) : document_(document) {}

    void add(const QString& line) {
        qsizetype depth = 0;
        while (depth < line.size() && line.at(depth) == u'\t') {
            ++depth;
        }
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            return;
        }
        if (text.startsWith(u'[') && text.endsWith(u']') && depth <= 1) {
            flush();
            document_.heading(form::ShownCaption(text.mid(1, text.size() - 2)),
                              static_cast<int>(depth) + 2);
        } else if (depth == 0) {
            // The fuel table: aligned by spaces, kept as written.
            flushRows();
            fixed_ << line;
        } else {
            flushFixed();
            rows_.push_back(row(text));
        }
    }
    void flush() {
        flushRows();
        flushFixed();
    }

  private:
    static QStringList row(const QString& text) {
        // "caption = value", or "caption=value" (the printer flags and header lines); a
        // slot or a parameter caption stands alone.
        qsizetype at = text.indexOf(QLatin1String(" = "));
        qsizetype width = 3;
        if (at < 0) {
            at = text.lastIndexOf(u'=');
            width = 1;
        }
        if (at < 0) {
            return {text.startsWith(u'-') ? form::ShownCaption(text.mid(1)) : QString(),
                    text.startsWith(u'-') ? QString() : text};
        }
        return {form::ShownCaption(text.left(at)), text.mid(at + width)};
    }
    void flushRows() {
        if (!rows_.empty()) {
            document_.table({}, rows_);
            rows_.clear();
        }
    }
    void flushFixed() {
        if (!fixed_.isEmpty()) {
            document_.preformatted(fixed_);
            fixed_.clear();
        }
    }

    RecordDocument& document_;
    std::vector<QStringList> rows_;
    QStringList fixed_;
};

}  // namespace

RecordDocument ConfigSheetDocument(const QStringList& listing, const ReportFacts& facts,
                                   app::Translator& translator) {
    RecordDocument document(kSheetTitle.translated(translator));
    document.facts(FactRows(facts, translator));
    SheetBuilder builder(document);
    for (const QString& line : listing) {
        builder.add(line);
    }
    builder.flush();
    return document;
}

}  // namespace kilnward::records
