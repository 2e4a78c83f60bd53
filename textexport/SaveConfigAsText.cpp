#include "textexport/SaveConfigAsText.h"

#include "textexport/ConfigTextExport.h"
#include "textexport/TextEditorLauncher.h"

namespace kilnward::textexport {

ExportOutcome SaveConfigAsText(const PrintConfigAnswer& answer, const ConfigTextExport& exporter,
                               const QString& path, TextEditorLauncher& editor) {
    if (answer.cancelled) {
        return ExportOutcome::Cancelled;
    }
    QStringList lines = ConfigTextExport::NewListing();
    bool written = false;
    if (answer.selection[kExportAll]) {
        written = exporter.exportconfigtext(lines, path);
    } else {
        exporter.writeSelected(answer.selection, lines);
        written = WriteListing(path, lines);
    }
    if (!written) {
        return ExportOutcome::WriteFailed;
    }
    return editor.open(path) ? ExportOutcome::Opened : ExportOutcome::EditorFailed;
}

}  // namespace kilnward::textexport
