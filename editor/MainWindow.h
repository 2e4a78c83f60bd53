#pragma once

#include <QMainWindow>

#include <memory>

#include "commands/MenuCommands.h"
#include "commands/WindowActions.h"
#include "dialogs/ApplicationStartup.h"
#include "documents/DocumentsListener.h"
#include "editor/Binder.h"
#include "editor/ParamIcons.h"
#include "textexport/SaveConfigAsText.h"

class QAction;
class QTabWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::dialogs {
class frmadvance;
}

namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::transfer {
struct SectorBackup;
}

namespace kilnward::editor {

class BackupsWindow;
class ChangeMarks;
class CompareCommands;
class ExtraMenus;
class LinkTools;
class MainToolbar;
class PrintCommands;
class FindFieldBox;
class StatusLine;
class ToolbarWindow;
class UndoHistory;

// frmMain: the editing window. It shows the headless main form of the session (pages,
// menu bar, caption) through one binding per form item and owns the parameter toolbar
// window beside it. Menu entries run the core's menu commands; the window does what only
// a window can: the settings, transfer, tip, about and loaded-files dialogs over the
// start-up's services. Closing goes through the documents' save questions.
class MainWindow : public QMainWindow,
                   public commands::WindowActions,
                   public documents::DocumentsListener {
    Q_OBJECT

  public:
    // `services` keep the serial settings and the simulated analysers the transfers use.
    MainWindow(documents::MainWindowSession& session, const dialogs::StartupServices& services,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Binder& binder() { return *binder_; }
    ToolbarWindow& toolbar() { return *toolbar_; }
    QTabWidget& pages() { return *pages_; }
    StatusLine& statusLine() { return *status_; }
    // The registry of every entry of the menu bar and the toolbar.
    commands::MenuCommands& menuCommands() { return commands_; }
    // The Edit and Tools menus and the other entries of the window's own commands.
    ExtraMenus& extraMenus() { return *extraMenus_; }
    // The link trace window and the settings dialog's connection check.
    LinkTools& linkTools() { return *linkTools_; }
    UndoHistory& undoHistory() { return *undo_; }
    FindFieldBox& findFieldBox() { return *findBox_; }
    // The marks of the fields changed since the last load or receive.
    ChangeMarks& changeMarks() { return *changeMarks_; }
    // Show changes, Compare with analyser, Compare with files.
    CompareCommands& compareCommands() { return *compare_; }
    // Profile > "Print..." and "Export as PDF...".
    PrintCommands& printCommands() { return *print_; }
    // The transfer dialog, made by the first transfer and left open with its outcome.
    dialogs::frmadvance* transferDialog() const { return transferDialog_.get(); }
    // Receive, send, open, save, undo, redo, find and print.
    MainToolbar& mainToolbar() { return *mainToolbar_; }
    // Tools > "Backups...", made when first shown.
    BackupsWindow* backupsWindow() const { return backups_.get(); }
    // After a change of language: the form's texts, the parameter names, the toolbar.
    void retranslate();
    // The size, place and dock layout the window had when it was last closed.
    void restoreWindowGeometry();

    // commands::WindowActions
    void showSerialSettings() override;
    void showLanguageSettings() override;
    void showTipOfTheDay() override;
    void showAbout() override;
    void showLoadedFiles() override;
    void exportConfigText() override;
    void runTransfer(transfer::TransferKind kind) override;
    void closeMainWindow() override;
    void undo() override;
    void redo() override;
    void findField() override;
    void showChanges() override;
    void print() override;
    void exportPdf() override;
    void toggleMainToolbar() override;
    void restoreFromBackup() override;
    void showBackups() override;
    void showLinkTrace() override;
    void compareWithAnalyser() override;
    void compareWithFiles() override;
    // Writes `backup`, chosen elsewhere, back through the transfer dialog.
    void restoreBackup(const transfer::SectorBackup& backup);

    // documents::DocumentsListener
    void documentChanged(int document, documents::DocumentChange change) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showCaption();
    // After a change of model or of the serial settings: the model's infrared default for
    // the next transfer and the status bar.
    void followSettings();
    // The parameter list floats to the left of the window, the two centred together.
    void placeSideBySide();
    void storeWindowGeometry();
    // The transfer dialog, made on first use.
    dialogs::frmadvance& ensureTransferDialog();
    // The marks of changed fields and the comparisons the Edit and Tools entries run.
    void addDifferenceCommands();
    // What Profile > "Print..." and "Export as PDF..." run.
    void addPrintCommands();
    // Runs a comparison on the edits made so far.
    void compare(void (CompareCommands::*command)());
    // The menu bar's action of `name` (a configuration entry's form name or a window entry's
    // key), for the toolbar.
    QAction* menuAction(const QString& name) const;
    app::Translator& translator();

    documents::MainWindowSession& session_;
    dialogs::StartupServices services_;
    ParamIcons icons_;
    ToolbarWindow* toolbar_;
    commands::MenuCommands commands_;
    std::unique_ptr<Binder> binder_;
    std::unique_ptr<ExtraMenus> extraMenus_;
    std::unique_ptr<LinkTools> linkTools_;
    // Children of the window.
    UndoHistory* undo_ = nullptr;
    FindFieldBox* findBox_ = nullptr;
    std::unique_ptr<ChangeMarks> changeMarks_;
    std::unique_ptr<CompareCommands> compare_;
    QTabWidget* pages_ = nullptr;
    StatusLine* status_ = nullptr;
    PrintCommands* print_ = nullptr;
    std::unique_ptr<dialogs::frmadvance> transferDialog_;
    MainToolbar* mainToolbar_ = nullptr;
    std::unique_ptr<BackupsWindow> backups_;
    // The model the settings last followed.
    std::uint8_t followedModel_ = 0;
    // Whether the window still takes its first place (nothing restored, not shown yet).
    bool firstPlacement_ = true;
    // The text export starts from the sections chosen last time.
    textexport::PrintConfigAnswer exportSelection_;
};

}  // namespace kilnward::editor
