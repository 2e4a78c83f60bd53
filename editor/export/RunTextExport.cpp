#include "editor/export/RunTextExport.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/ProgramFolder.h"
#include "app/Translator.h"
#include "documents/DocumentCommands.h"
#include "documents/Documents.h"
#include "editor/export/frmPrintConfig.h"
#include "textexport/ConfigTextExport.h"
#include "textexport/SystemTextEditor.h"

namespace kilnward::editor {

QString ConfigTextPath() {
    return app::ProgramFolder::configFile(QStringLiteral("Config.txt"));
}

textexport::ExportOutcome runTextExport(QWidget* parent, const form::Form& form,
                                        const documents::DocumentCommands& commands,
                                        textexport::PrintConfigAnswer& answer,
                                        app::Translator& translator,
                                        textexport::TextEditorLauncher* editor) {
    frmPrintConfig dialog(answer, translator, parent);
    dialog.exec();
    const QString path = ConfigTextPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const textexport::ConfigTextExport exporter(
        form, commands.DocumentDisplayName(documents::kFuelsDocument));
    textexport::SystemTextEditor systemEditor;
    const textexport::ExportOutcome outcome =
        textexport::SaveConfigAsText(answer, exporter, path, editor ? *editor : systemEditor);
    const QString native = QDir::toNativeSeparators(path);
    if (outcome == textexport::ExportOutcome::WriteFailed) {
        QMessageBox::warning(
            parent, app::Translated(translator, "Error message", "Error message"),
            app::Translated(translator, "exportwritefailed", "Cannot write %1%.", {native}));
    } else if (outcome == textexport::ExportOutcome::EditorFailed) {
        QMessageBox::warning(
            parent, app::Translated(translator, "Error message", "Error message"),
            app::Translated(translator, "exporteditorfailed",
                            "%1% was written, but no text editor could be started.", {native}));
    }
    return outcome;
}

}  // namespace kilnward::editor
