#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "form/FieldNaming.h"

namespace kilnward::form {

class FormItem;
class MainForm;

// Finds the fields of the main window by their caption in the current language, for the
// window's "Find field": where each one is (the tabs to open, outermost first, and the group
// box it is in) and whether the user can use it there. Fields the current model hides, or
// that stand on a tab the model does not open, are not found.
class FieldFinder {
  public:
    // One tab to select on the way to a field.
    using Tab = FieldTab;
    struct Match {
        FormItem* field;
        // The caption as shown, without access-key marks.
        QString caption;
        // Tab captions, outermost first, then the group box's caption if any.
        QStringList path;
        std::vector<Tab> tabs;
        bool enabled;
    };

    explicit FieldFinder(const MainForm& window);

    // Every offered field whose caption, tab captions and group box caption together hold
    // each word of `text`, ignoring case, accents and access-key marks, in page and tab order;
    // none for a text without words.
    std::vector<Match> find(const QString& text) const;

    // The caption a field is known by: its own, else that of the label naming it, else that
    // of the tab it fills.
    QString caption(const FormItem& field) const;
    // Where the field stands, as `Match` gives it; `offered` false when the user cannot see it.
    Match locate(FormItem& field, bool* offered = nullptr) const;

    // `text` folded for matching: access-key marks and accents removed, case folded.
    static QString Folded(const QString& text);

  private:
    const MainForm& window_;
};

}  // namespace kilnward::form
