#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <bitset>
#include <optional>
#include <utility>
#include <vector>

#include "documents/Documents.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::documents {

// Which of the five documents a comparison covers, by document number.
using DocumentSet = std::bitset<kDocumentCount>;
inline DocumentSet AllDocuments() {
    return DocumentSet().set();
}

// One field of a document at one moment. A field is one item that a document stores, or a
// group of option buttons (one container), which the user sees as one choice.
struct SnapshotField {
    // The key of the field's item; of its first option button for a group.
    QString key;
    int document = -1;
    // "key=value" for every key the document file holds for the field: what equality means.
    QStringList stored;
    // The value as the window shows it: a list's entry, a number through its display format,
    // a tree's parameter names, a check box's yes or no, the caption of the option set.
    QString text;
    // The field's place and caption in the language of the moment (FieldTitle), numbered
    // when other fields read the same.
    QString title;
    // The two parts of the title: the tabs that hold the field (FieldPlace) and its caption
    // (numbered as the title is).
    QString place;
    QString caption;
    // A parameter tree: one stored value per slot.
    bool perSlot = false;
};

// The fields of a form's documents as they stand, in form order.
class FieldSnapshot {
  public:
    // The fields of the documents in `which`; texts in the translator's language.
    static FieldSnapshot Take(const form::Form& form, const Documents& documents,
                              app::Translator& translator, DocumentSet which = AllDocuments(),
                              const QLocale& locale = QLocale());
    // The key and stored values of the field that `item` is part of (cheaper than a whole
    // field: no texts); nullopt for an item that stores nothing.
    static std::optional<std::pair<QString, QStringList>> StoredField(const form::Form& form,
                                                                      const form::FormItem& item);

    const std::vector<SnapshotField>& fields() const { return fields_; }
    // Null when the snapshot holds no field of that key.
    const SnapshotField* find(const QString& key) const;
    // The fields of document `d` become those of `fresh`, a snapshot of the same form.
    void adopt(const FieldSnapshot& fresh, int d);

  private:
    void append(SnapshotField field);
    // Fields that read alike (the four "Enabled" boxes of the header lines) are numbered
    // in form order: "Enabled (1)", "Enabled (2)"...
    void numberSameTitles();

    std::vector<SnapshotField> fields_;
    QHash<QString, std::size_t> byKey_;
};

}  // namespace kilnward::documents
