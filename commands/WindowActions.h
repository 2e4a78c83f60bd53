#pragma once

#include "transfer/TransferTexts.h"

namespace kilnward::commands {

// What a menu command needs and only a window can do: dialogs, other windows, closing.
// The GUI implements it with its windows; a headless caller with what it has instead.
class WindowActions {
  public:
    virtual ~WindowActions() = default;
    // The settings dialog in serial mode, modal over the main window.
    virtual void showSerialSettings() = 0;
    // The settings dialog in language mode; the dialog's definemode decides whether it shows.
    virtual void showLanguageSettings() = 0;
    // The tip window, not modal.
    virtual void showTipOfTheDay() = 0;
    // The about box, modal over the main window.
    virtual void showAbout() = 0;
    // The list of loaded documents, modal over the main window.
    virtual void showLoadedFiles() = 0;
    // The text export of the configuration, with its selection dialog.
    virtual void exportConfigText() = 0;
    // A receive, send or set-clock: the GUI shows its transfer dialog, a headless caller
    // runs the transfer session.
    virtual void runTransfer(transfer::TransferKind kind) = 0;
    // Closes the main window; its close check may still keep it open.
    virtual void closeMainWindow() = 0;
};

}  // namespace kilnward::commands
