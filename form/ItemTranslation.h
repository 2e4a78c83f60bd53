#pragma once

#include "language/TranslatableControl.h"

namespace kilnward::form {

class FormItem;

// A form item as the language manager sees it: captions for labels, frames, menus, check
// boxes, options and numeric fields; entries for lists; tab captions for tab strips.
class ItemTranslation : public language::TranslatableControl {
  public:
    explicit ItemTranslation(FormItem& item) : item_(item) {}

    FormItem& item() const { return item_; }

    QString controlKey() const override;
    QString tag() const override;
    language::ControlKind kind() const override;
    QString caption() const override;
    void setCaption(const QString& caption) override;
    int itemCount() const override;
    QString itemText(int position) const override;
    void setItemText(int position, const QString& text) override;

  private:
    FormItem& item_;
};

}  // namespace kilnward::form
