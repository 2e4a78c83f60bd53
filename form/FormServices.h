#pragma once

#include <QString>

namespace kilnward::form {

class FormItem;

// What the main window needs from the document layer above it: marking a document changed,
// the error message box, and loading the model's default configuration document.
class FormServices {
  public:
    virtual ~FormServices() = default;
    // The document named by the last four characters of the item's tag has changed.
    virtual void markDocumentDirty(const FormItem& item) = 0;
    // Shows an error message (a full stop is appended) under the error title.
    virtual void showErrorMessage(const QString& message) = 0;
    // Loads `path` as the configuration document, with the file-type check.
    virtual void loadModelConfiguration(const QString& path) = 0;
    // The save question for the configuration document before a model's default replaces
    // it; false when the user cancelled (the configuration and the model stay).
    virtual bool mayReplaceConfiguration() = 0;
    // The window was laid out for a chosen model (its default configuration loaded);
    // `modelChanged` is false when the model chosen was the one already selected.
    virtual void modelAdapted(bool /*modelChanged*/) {}
};

}  // namespace kilnward::form
