#include "editor/CompareCommands.h"

#include <algorithm>
#include <exception>

#include "app/Translator.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "documents/SessionComparison.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/SectorChanges.h"
#include "transfer/SectorMap.h"

namespace kilnward::editor {

CompareCommands::CompareCommands(documents::MainWindowSession& session,
                                 const dialogs::StartupServices& services, QWidget& parent,
                                 std::vector<QWidget*> windows, CurrentTrace trace)
    : session_(session),
      services_(services),
      parent_(parent),
      windows_(std::move(windows)),
      trace_(std::move(trace)) {}

app::Translator& CompareCommands::translator() {
    return session_.messageBoxes().translator();
}

CompareCommands::~CompareCommands() {
    // The dialog talks to the scratch window.
    receiver_.reset();
    scratch_.reset();
}

void CompareCommands::showChanges() {
    changesDialog()->exec();
}

std::unique_ptr<DifferencesDialog> CompareCommands::changesDialog() {
    session_.files().RefreshMainWindow();
    return std::make_unique<DifferencesDialog>(
        DifferencesDialog::Texts{
            app::Translated(translator(), "changestitle", "Changes since the last load or receive"),
            app::Translated(translator(), "changesbefore", "Before"),
            app::Translated(translator(), "changesafter", "Now")},
        session_.changes().changes(), translator(), &parent_);
}

void CompareCommands::compareWithAnalyser() {
    session_.files().RefreshMainWindow();
    // The editor as a send would leave it in the analyser: what the model does not keep is no
    // difference. Without a model the receive below refuses, saying why.
    std::unique_ptr<documents::MainWindowSession> kept;
    try {
        if (session_.window().currentDriver()) {
            kept = transfer::AsTheAnalyserKeepsThem(session_);
        }
    } catch (const std::exception& failure) {
        session_.messageBoxes().ShowErrorMessage(QString::fromUtf8(failure.what()));
        return;
    }
    receiver_.reset();
    scratch_ = openScratch();
    receiver_ = std::make_unique<dialogs::frmadvance>(*scratch_, services_.language,
                                                      services_.settings.serial(),
                                                      services_.simulated, windows_, &parent_);
    // Its link is traced like every other while the trace window is open.
    receiver_->setTrace(trace_ ? trace_() : nullptr);
    // The receive of the Receive command, without its question and reset: the scratch
    // window holds nothing to lose.
    if (receiver_->run(transfer::TransferKind::Receive) != transfer::TransferOutcome::Done ||
        !kept) {
        return;  // the dialog stays open with the reason
    }
    receiver_->close();
    show({app::Translated(translator(), "compareanalysertitle", "Differences from the analyser"),
          app::Translated(translator(), "compareeditor", "In the editor"),
          app::Translated(translator(), "compareanalyser", "In the analyser")},
         documents::CompareSessions(*kept, *scratch_));
}

void CompareCommands::compareWithFiles() {
    const QString patterns = QStringLiteral("*.cfg;*.fue;*.hdr;*.law;*.srv");
    const QStringList paths = session_.messageBoxes().prompts().chooseFiles(
        app::Translated(translator(), "comparefilesfilter", "Documents") + QStringLiteral(" (") +
            QString(patterns).replace(u';', u' ') + QStringLiteral(")|") + patterns,
        app::Translated(translator(), "comparefilestitle", "Differences from the files"));
    if (!paths.isEmpty()) {
        compareWithFiles(paths);
    }
}

void CompareCommands::compareWithFiles(const QStringList& paths) {
    session_.files().RefreshMainWindow();
    std::vector<documents::DocumentFile> files;
    for (const QString& path : paths) {
        files.push_back({documents::DocumentOfFile(session_.documents(), path), path});
    }
    const bool allKnown =
        std::all_of(files.begin(), files.end(),
                    [](const documents::DocumentFile& file) { return file.document >= 0; });
    if (!allKnown) {
        session_.messageBoxes().ShowErrorMessage(
            app::Translated(translator(), "wrongfiletype", "Not found or damaged file"));
        return;
    }
    std::unique_ptr<documents::MainWindowSession> scratch = openScratch();
    // A refused file has shown its message.
    const std::optional<documents::DocumentSet> compared =
        documents::LoadDocumentFiles(*scratch, files);
    if (!compared) {
        return;
    }
    show({app::Translated(translator(), "comparefilestitle", "Differences from the files"),
          app::Translated(translator(), "compareeditor", "In the editor"),
          app::Translated(translator(), "comparefiles", "In the files")},
         documents::CompareSessions(session_, *scratch, *compared));
}

void CompareCommands::compareWithBackup(const transfer::SectorBackup& backup) {
    session_.files().RefreshMainWindow();
    std::unique_ptr<documents::MainWindowSession> scratch = openScratch();
    try {
        transfer::DecodeConfigSector(backup.sector, scratch->window().form(),
                                     *scratch->window().currentDriver());
    } catch (const std::exception& failure) {
        // A damaged backup: said, as a receive of such a sector says it.
        session_.messageBoxes().ShowErrorMessage(QString::fromUtf8(failure.what()));
        return;
    }
    show({app::Translated(translator(), "comparebackuptitle", "Differences from the backup"),
          app::Translated(translator(), "compareeditor", "In the editor"),
          app::Translated(translator(), "comparebackup", "In the backup")},
         documents::CompareSessions(session_, *scratch));
}

void CompareCommands::show(const DifferencesDialog::Texts& texts,
                           const std::vector<documents::FieldDifference>& rows) {
    DifferencesDialog dialog(texts, rows, translator(), &parent_);
    dialog.exec();
}

std::unique_ptr<documents::MainWindowSession> CompareCommands::openScratch() {
    return documents::OpenScratchSession(session_.messageBoxes().prompts(),
                                         session_.messageBoxes().translator(),
                                         session_.window().selectedInstrumentId());
}

}  // namespace kilnward::editor
