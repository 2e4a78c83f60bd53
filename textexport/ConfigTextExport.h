#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "textexport/ExportSelection.h"

namespace kilnward::form {
class Form;
class TreeItem;
}  // namespace kilnward::form

namespace kilnward::textexport {

// The readable listing of the configuration as the main window shows it: current captions
// (so it follows the interface language) and displayed values, numbers through their display
// formats. Each section writer appends its lines to the listing; the listing starts with one
// empty line.
class ConfigTextExport {
  public:
    // `fuelsDocumentName` is what the fuel table names as its file (DocumentDisplayName).
    ConfigTextExport(const form::Form& form, QString fuelsDocumentName, QLocale locale = QLocale());

    // The listing before any section: one empty line.
    static QStringList NewListing() { return QStringList{QString()}; }

    void writeGeneral(QStringList& lines) const;
    void writeBarGraphs(QStringList& lines) const;
    void writeService(QStringList& lines) const;
    void writePages(QStringList& lines) const;
    void writePrinter(QStringList& lines) const;
    void writeAlarms(QStringList& lines) const;
    void writeAuxInputs(QStringList& lines) const;
    void writeAnalogOutputs(QStringList& lines) const;
    void writeTimers(QStringList& lines) const;
    void writeFuels(QStringList& lines) const;

    // One section by its place in the table.
    void writeSection(ExportSection section, QStringList& lines) const;
    // The sections the selection ticks, in table order; every one when entry 10 is ticked.
    void writeSelected(const ExportSelection& selection, QStringList& lines) const;
    // Every section, then the listing to `path`, replacing an existing file. False when the
    // file cannot be written.
    bool exportconfigtext(QStringList& lines, const QString& path) const;

  private:
    QString caption(const QString& name, int index) const;
    QString tabCaption(const QString& strip, int tab) const;
    QString numberText(const QString& name, int index) const;
    QString listText(const QString& name, int index) const;
    QString checkState(const QString& name, int index) const;
    QString heading(int outerTab) const;
    QString subHeading(const QString& strip, int tab) const;
    void appendSlots(QStringList& lines, const QString& tree, int index,
                     const QString& indent) const;
    // indent + caption + " = " + value for a numeric field.
    QString numberLine(const QString& indent, const QString& name, int index) const;

    const form::Form& form_;
    QString fuelsDocumentName_;
    QLocale locale_;
};

// Writes the listing to `path`, replacing an existing file without a question.
bool WriteListing(const QString& path, const QStringList& lines);

}  // namespace kilnward::textexport
