#pragma once

#include <QDialog>

#include "dialogs/WidgetWindow.h"

namespace kilnward::dialogs {

// The about box: title, version, company and what the program is.
class frmAbout : public QDialog {
  public:
    explicit frmAbout(language::LanguageManager& language, QWidget* parent = nullptr);

    // The caption "About <title>", after every translation.
    void translate();

  private:
    WidgetWindow window_;
};

// Shows the about box modally over `parent`.
void ShowAbout(language::LanguageManager& language, QWidget* parent);

}  // namespace kilnward::dialogs
