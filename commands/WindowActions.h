#pragma once

#include "transfer/TransferTexts.h"

namespace kilnward::commands {

// What a menu command needs and only a window can do: dialogs, other windows, closing,
// the edit history.
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

    // The window's own entries (`WindowCommands`).
    // Takes back or redoes the newest step of the edit history.
    virtual void undo() = 0;
    virtual void redo() = 0;
    // The box that finds a field by its caption.
    virtual void findField() = 0;
    // The fields changed since the last load or receive.
    virtual void showChanges() = 0;
    // The configuration sheet of the chosen sections, printed or written as a PDF file.
    virtual void print() = 0;
    virtual void exportPdf() = 0;
    // Shows the main toolbar when hidden, hides it when shown.
    virtual void toggleMainToolbar() = 0;
    // A backup chosen from a file written back to the analyser.
    virtual void restoreFromBackup() = 0;
    // The window listing the backups.
    virtual void showBackups() = 0;
    // The trace window of the serial link.
    virtual void showLinkTrace() = 0;
    // The configuration against the analyser's, or against two files.
    virtual void compareWithAnalyser() = 0;
    virtual void compareWithFiles() = 0;
};

}  // namespace kilnward::commands
