#pragma once

#include <QObject>

#include <functional>

#include "records/RecordDocument.h"
#include "records/ReportFacts.h"
#include "textexport/ExportSelection.h"

class QPrinter;
class QWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

// Profile > "Print..." and "Export as PDF...": the sections chosen in the section dialog
// (the text export's), laid out as the configuration sheet in the window's language, then
// printed through the platform's print dialog with a preview, or written as a PDF file.
class PrintCommands : public QObject {
  public:
    // `facts` gives the head of the sheet (model, address, technician...) when it is made;
    // `answer` is the section dialog's answer the text export shares.
    PrintCommands(documents::MainWindowSession& session, textexport::PrintConfigAnswer& answer,
                  std::function<records::ReportFacts()> facts, QWidget& parent);

    void print();
    void exportPdf();
    // Writes the sheet of `selection` to `path`; false after telling the user why.
    bool writePdf(const textexport::PrintConfigAnswer& selection, const QString& path);
    // The sheet of the sections `selection` ticks.
    records::RecordDocument sheet(const textexport::PrintConfigAnswer& selection) const;

  private:
    // The section dialog; false when the user aborted it.
    bool chooseSections();
    app::Translator& translator() const;

    documents::MainWindowSession& session_;
    textexport::PrintConfigAnswer& answer_;
    std::function<records::ReportFacts()> facts_;
    QWidget& parent_;
};

}  // namespace kilnward::editor
