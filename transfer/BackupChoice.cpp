#include "transfer/BackupChoice.h"

#include <QDir>

#include "app/UserPrompts.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/SafeguardTexts.h"

namespace kilnward::transfer {

namespace {

constexpr char kExtension[] = "kwb";

}  // namespace

std::optional<SectorBackup> ChooseBackupToRestore(documents::MainWindowSession& window) {
    documents::MessageBoxes& boxes = window.messageBoxes();
    app::Translator& translator = boxes.translator();
    const drivers::InstrumentDriver* driver = window.window().currentDriver();
    if (!driver) {
        return std::nullopt;
    }
    const QString folder = BackupFolder();
    // The chooser opens in the folder even before the first backup.
    QDir().mkpath(folder);
    const std::optional<QString> path = boxes.prompts().chooseFile(
        app::FileChooserMode::Open, folder,
        QStringLiteral("%1 (*.%2)|*.%2")
            .arg(kBackupFilterText.translated(translator), QLatin1String(kExtension)),
        QLatin1String(kExtension), kBackupChooserTitle.translated(translator));
    if (!path) {
        return std::nullopt;
    }
    return ReadBackupToRestore(window, *path);
}

std::optional<SectorBackup> ReadBackupToRestore(documents::MainWindowSession& window,
                                                const QString& path) {
    documents::MessageBoxes& boxes = window.messageBoxes();
    app::Translator& translator = boxes.translator();
    const drivers::InstrumentDriver* driver = window.window().currentDriver();
    if (!driver) {
        return std::nullopt;
    }
    QString error;
    std::optional<SectorBackup> backup = ReadSectorBackup(path, translator, error);
    if (backup) {
        error = RestoreRefusal(*backup, driver->Instrument_ID(), translator);
    }
    if (!error.isEmpty()) {
        boxes.ShowErrorMessage(error);
        return std::nullopt;
    }
    return backup;
}

}  // namespace kilnward::transfer
