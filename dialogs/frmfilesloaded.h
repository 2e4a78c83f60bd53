#pragma once

#include <QDialog>

#include "dialogs/WidgetWindow.h"

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::dialogs {

// The list of the five documents: kind, file (or "(None)") and " *" when changed.
class frmfilesloaded : public QDialog {
  public:
    // `language` translates the window; the lines are in the session's language.
    frmfilesloaded(documents::MainWindowSession& session, language::LanguageManager& language,
                   QWidget* parent = nullptr);

    // One line per document, in document order.
    static QString FilesLoadedText(documents::MainWindowSession& session);

  private:
    WidgetWindow window_;
};

// Shows the list modally over `parent`.
void ShowLoadedFiles(documents::MainWindowSession& session, language::LanguageManager& language,
                     QWidget* parent);

}  // namespace kilnward::dialogs
