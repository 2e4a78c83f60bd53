#pragma once

#include <optional>

#include "editor/Binding.h"

class QLabel;

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class NumericItem;
}

namespace kilnward::editor {

class NumericEdit;

// A numeric field: its caption label and its edit. Typing hands the text to the item as
// it is typed; a text that is no number leaves the value the field held before the typing
// (never a readable beginning of it). Leaving the field lets the item bring the value into
// its range, and says why an unreadable text was not taken.
class NumericBinding : public Binding {
  public:
    NumericBinding(form::NumericItem& item, app::Translator& translator, QWidget* parent);

    QWidget* widget() const override;
    QWidget* captionWidget() const override;
    NumericEdit& edit() const { return *edit_; }
    // The user leaves the field.
    void complete();

  protected:
    void show(form::ItemChange change) override;
    void showEnabled(bool enabled) override;
    void showCaption() override;

  private:
    void typed(const QString& text);
    void showText();
    void showWidth();

    form::NumericItem& numeric_;
    app::Translator& translator_;
    QLabel* caption_;
    NumericEdit* edit_;
    // While the user types: the value before the first key, kept when the text is no number.
    std::optional<std::optional<double>> beforeTyping_;
    bool typedReadable_ = true;
};

}  // namespace kilnward::editor
