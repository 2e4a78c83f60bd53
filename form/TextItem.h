#pragma once

#include "form/FormItem.h"

namespace kilnward::form {

// A text line (txt...). The maximum length limits what the user can type; the field's
// editor enforces it.
class TextItem : public FormItem {
  public:
    TextItem(QString name, int index, QString tag, int maxLength);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    int maxLength() const { return maxLength_; }

  private:
    int maxLength_;
    QString text_;
};

}  // namespace kilnward::form
