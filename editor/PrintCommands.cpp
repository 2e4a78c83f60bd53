#include "editor/PrintCommands.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <stdexcept>

#include "app/UserPrompts.h"
#include "documents/DocumentCommands.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "editor/ExtraMenus.h"
#include "editor/export/frmPrintConfig.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "records/ConfigSheet.h"
#include "textexport/ConfigTextExport.h"

namespace kilnward::editor {

namespace {

QString Translated(const char* key, const char* english) {
    return language::LangMan().TranslateString(QLatin1String(key), QString::fromUtf8(english));
}

}  // namespace

PrintCommands::PrintCommands(documents::MainWindowSession& session,
                             textexport::PrintConfigAnswer& answer,
                             std::function<records::ReportFacts()> facts, QWidget& parent)
    : QObject(&parent),
      session_(session),
      answer_(answer),
      facts_(std::move(facts)),
      parent_(parent) {}

void PrintCommands::addTo(ExtraMenus& menus, QMenu& profile, QAction* before) {
    print_ = menus.addCommand(profile, "mnuprint", "&Print...", QKeySequence::Print);
    exportPdf_ = menus.addCommand(profile, "mnuexportpdf", "Export as P&DF...");
    for (QAction* action : {print_, exportPdf_}) {
        profile.removeAction(action);
        profile.insertAction(before, action);
    }
    connect(print_, &QAction::triggered, this, [this] { print(); });
    connect(exportPdf_, &QAction::triggered, this, [this] { exportPdf(); });
}

bool PrintCommands::chooseSections() {
    frmPrintConfig dialog(answer_, &parent_);
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
    return records::ConfigSheetDocument(lines, facts_(), language::LangMan());
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
        Translated("mnuexportpdftitle", "Export as PDF"));
    if (path) {
        writePdf(answer_, *path);
    }
}

bool PrintCommands::writePdf(const textexport::PrintConfigAnswer& selection, const QString& path) {
    try {
        sheet(selection).writePdf(path, language::LangMan());
    } catch (const std::runtime_error& error) {
        session_.messageBoxes().ShowErrorMessage(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

}  // namespace kilnward::editor
