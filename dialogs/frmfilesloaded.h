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
    explicit frmfilesloaded(documents::MainWindowSession& session, QWidget* parent = nullptr);

    // One line per document, in document order.
    static QString FilesLoadedText(documents::MainWindowSession& session);

  private:
    WidgetWindow window_;
};

// Shows the list modally over `parent`.
void ShowLoadedFiles(documents::MainWindowSession& session, QWidget* parent);

}  // namespace kilnward::dialogs
