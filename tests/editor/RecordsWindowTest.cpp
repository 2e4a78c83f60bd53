// The records the window keeps: Profile > "Print..." and "Export as PDF..." for the sheet,
// and the service report every send through the menu leaves beside its backup.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "editor/MainWindow.h"
#include "editor/PrintCommands.h"
#include "editor/export/frmPrintConfig.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/FileBytes.h"
#include "transfer/SectorBackup.h"

namespace kilnward::editor {
namespace {

class RecordsWindowTest : public testing::EditorFixture {};

TEST_F(RecordsWindowTest, ProfileOffersPrintAndExportAsPdfWhichWritesTheChosenSections) {
    auto* profile = window().menuBar()->findChild<QMenu*>("frmMain!mnufile");
    ASSERT_NE(profile, nullptr);
    const QList<QAction*> entries = profile->actions();
    auto* print = profile->findChild<QAction*>("mnuprint");
    ASSERT_TRUE(entries.contains(print));
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(print->text(), "&Print...");
    auto* exportPdf = profile->findChild<QAction*>("mnuexportpdf");
    ASSERT_NE(exportPdf, nullptr);
    // In front of the separator before Exit, after Receive.
    const qsizetype exit = entries.indexOf(profile->findChild<QAction*>("frmMain!mnuFileExit"));
    EXPECT_EQ(entries.indexOf(print), exit - 3);
    EXPECT_EQ(entries.indexOf(exportPdf), exit - 2);

    const QString pdf = folder.filePath("sheet.pdf");
    prompts.queueFile(pdf);
    whenModal([](QDialog& dialog) {
        auto& sections = static_cast<frmPrintConfig&>(dialog);
        sections.printOption(textexport::kExportAll)->setChecked(false);
        sections.printOption(static_cast<int>(textexport::ExportSection::Timers))->setChecked(true);
        sections.okButton()->click();
    });
    exportPdf->trigger();
    EXPECT_TRUE(test::ReadBytes(pdf).startsWith("%PDF-"));
    const QString text =
        window().printCommands().sheet(textexport::PrintConfigAnswer{}).plainText();
    EXPECT_TRUE(text.contains("Configuration sheet")) << text.toStdString();

    // Aborted in the section dialog: no file is asked for.
    whenModal([](QDialog& dialog) { static_cast<frmPrintConfig&>(dialog).abortButton()->click(); });
    prompts.queueFile(folder.filePath("never.pdf"));
    exportPdf->trigger();
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("never.pdf")));
}

TEST_F(RecordsWindowTest, ASendThroughTheMenuLeavesItsReportBesideTheBackup) {
    chooseSimulator(4);
    EXPECT_EQ(transferThroughMenu("mnufilesend"), QStringLiteral("Sending...Done, verified"));
    const QDir backups(transfer::BackupFolder());
    const QStringList kept = backups.entryList({"*_addr4_*.kwb"}, QDir::Files, QDir::Time);
    ASSERT_FALSE(kept.isEmpty());
    const QString newest = backups.filePath(kept.first());
    const QString report = QString(newest).replace(".kwb", ".pdf");
    EXPECT_TRUE(test::ReadBytes(report).startsWith("%PDF-")) << report.toStdString();
    EXPECT_EQ(test::ReadBytes(QString(newest).replace(".kwb", ".after")).size(), 2048);
}

}  // namespace
}  // namespace kilnward::editor
