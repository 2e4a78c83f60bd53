#include "editor/PrintCommands.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <stdexcept>

#include "app/Translator.h"
#include "app/UserPrompts.h"
#include "documents/DocumentCommands.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "editor/export/frmPrintConfig.h"
#include "records/ConfigSheet.h"
#include "textexport/ConfigTextExport.h"

namespace kilnward::editor {

PrintCommands::PrintCommands(documents::MainWindowSession& session,
                             textexport::PrintConfigAnswer& answer,
                             std::function<records::ReportFacts()> facts, QWidget& parent)
    : QObject(&parent),
      session_(session),
      answer_(answer),
      facts_(std::move(facts)),
      parent_(parent) {}

app::Translator& PrintCommands::translator() const {
    return session_.messageBoxes().translator();
}

bool PrintCommands::chooseSections() {
    frmPrintConfig dialog(answer_, translator(), &parent_);
    dialog.exec();
    return !answer_.cancelled;
}

records::RecordDocument PrintCommands::sheet(const textexport::PrintConfigAnswer& selection) const {
    session_.files().RefreshMainWindow();
    const textexport::ConfigTextExport exporter(
        session_.window().form(),
        session_.commands().DocumentDisplayName(documents::kFuelsDocument));
    QStringList lines = textexport::ConfigTextExport::NewListing();
    exporter.writeSelected(selection.selection, lines);
    return records::ConfigSheetDocument(lines, facts_(), translator());
}

void PrintCommands::print() {
    if (!chooseSections()) {
        return;
    }
    const records::RecordDocument document = sheet(answer_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title());
    QPrintPreviewDialog preview(&printer, &parent_);
    preview.setObjectName(QStringLiteral("frmprintpreview"));
    preview.setWindowTitle(document.title());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&document](QPrinter* target) { document.print(*target); });
    preview.exec();
}

void PrintCommands::exportPdf() {
    if (!chooseSections()) {
        return;
    }
    const std::optional<QString> path = session_.messageBoxes().prompts().chooseFile(
        app::FileChooserMode::Save, QStringLiteral("Configuration.pdf"),
        QStringLiteral("PDF (*.pdf)|*.pdf"), QStringLiteral("pdf"),
        app::Translated(translator(), "mnuexportpdftitle", "Export as PDF"));
    if (path) {
        writePdf(answer_, *path);
    }
}

bool PrintCommands::writePdf(const textexport::PrintConfigAnswer& selection, const QString& path) {
    try {
        sheet(selection).writePdf(path, translator());
    } catch (const std::runtime_error& error) {
        session_.messageBoxes().ShowErrorMessage(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

}  // namespace kilnward::editor
