#pragma once

#include <QString>

#include "textexport/ExportSelection.h"

namespace kilnward::textexport {

class ConfigTextExport;
class TextEditorLauncher;

enum class ExportOutcome {
    Cancelled,     // the dialog was aborted: nothing written, no editor
    Opened,        // written and handed to the editor
    WriteFailed,   // the file could not be written: no editor
    EditorFailed,  // written, but no editor could be started
};

// The text export after the selection dialog: the sections the answer selects (all of them
// when its entry 10 is ticked, an empty listing when none is) written to `path`, replacing an
// existing file, then the file opened in the editor.
ExportOutcome SaveConfigAsText(const PrintConfigAnswer& answer, const ConfigTextExport& exporter,
                               const QString& path, TextEditorLauncher& editor);

}  // namespace kilnward::textexport
