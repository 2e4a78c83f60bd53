#pragma once

#include <vector>

#include "documents/FieldDifferences.h"
#include "documents/FieldSnapshot.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::documents {

class BaselineListener;
class Documents;

// What changed since the last load or receive: a baseline snapshot of the form's fields and
// the differences of the fields as they are now. The owner says when the baseline is taken.
class ChangeTracker {
  public:
    ChangeTracker(const form::Form& form, const Documents& documents, app::Translator& translator);

    // The baseline becomes the fields as they are now: of every document, or of one.
    void takeBaseline();
    void takeBaseline(int document);
    // The baseline as it stands, and one kept earlier put back (an undone receive or load).
    const FieldSnapshot& baseline() const { return baseline_; }
    void restoreBaseline(const FieldSnapshot& baseline);

    // The fields whose values differ from the baseline, in form order, with the baseline's
    // text as `before` and the current one as `after`.
    std::vector<FieldDifference> changes() const;
    int changeCount() const { return static_cast<int>(changes().size()); }
    // Whether the field that `item` is part of differs from the baseline.
    bool isChanged(const form::FormItem& item) const;

    void addListener(BaselineListener* listener);
    void removeListener(BaselineListener* listener);

  private:
    FieldSnapshot now(DocumentSet which = AllDocuments()) const;
    void announce();

    const form::Form& form_;
    const Documents& documents_;
    app::Translator& translator_;
    FieldSnapshot baseline_;
    std::vector<BaselineListener*> listeners_;
};

}  // namespace kilnward::documents
