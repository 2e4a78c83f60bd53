#pragma once

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "dialogs/ApplicationStartup.h"
#include "documents/FieldDifferences.h"
#include "editor/DifferencesDialog.h"
#include "transfer/SectorBackup.h"

class QWidget;

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
class LinkTrace;
}

namespace kilnward::editor {

// The window's commands that list differing fields: the changes since the last load or
// receive, and the comparison of the editor with the analyser (a receive into a window of
// its own through the transfer dialog) or with document files (loaded into one). Nothing of
// the editor's documents changes.
class CompareCommands {
  public:
    // The trace the link of a comparison reports to, asked at every comparison (null: none).
    using CurrentTrace = std::function<transfer::LinkTrace*()>;

    // `windows` are disabled while a receive for a comparison runs.
    CompareCommands(documents::MainWindowSession& session, const dialogs::StartupServices& services,
                    QWidget& parent, std::vector<QWidget*> windows, CurrentTrace trace);
    ~CompareCommands();

    void showChanges();
    // The list Show changes opens, not shown yet.
    std::unique_ptr<DifferencesDialog> changesDialog();
    void compareWithAnalyser();
    // Asks for the files, then compares with them.
    void compareWithFiles();
    // Each file is taken as the document its extension names; only those documents are
    // compared. A file refused shows its message and nothing else.
    void compareWithFiles(const QStringList& paths);
    // The editor against a backup of the editor's model, decoded as a receive would.
    void compareWithBackup(const transfer::SectorBackup& backup);

    // The receive's dialog of the last comparison with the analyser; it stays open with the
    // reason when that receive failed.
    dialogs::frmadvance* receiveDialog() const { return receiver_.get(); }

  private:
    app::Translator& translator();
    void show(const DifferencesDialog::Texts& texts,
              const std::vector<documents::FieldDifference>& rows);
    DifferencesDialog::Texts changesTexts();
    std::unique_ptr<documents::MainWindowSession> openScratch();

    documents::MainWindowSession& session_;
    dialogs::StartupServices services_;
    QWidget& parent_;
    std::vector<QWidget*> windows_;
    CurrentTrace trace_;
    // The window the analyser's configuration was received into, and its transfer dialog.
    std::unique_ptr<documents::MainWindowSession> scratch_;
    std::unique_ptr<dialogs::frmadvance> receiver_;
};

}  // namespace kilnward::editor
