// The printed configuration sheet: the listing's sections as headings and rows under the head
// that names the model, the address, the date, the version and the technician.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimeZone>

#include <stdexcept>

#include "form/TextItem.h"
#include "records/ConfigSheet.h"
#include "tests/support/FileBytes.h"
#include "tests/transfer/TransferFixture.h"
#include "textexport/ConfigTextExport.h"

namespace kilnward::records {
namespace {

using transfer::testing::SessionFixture;

TEST(ConfigSheet, SectionsBecomeHeadingsAndRowsUnderTheHead) {
    SessionFixture s;
    s.chooseModel(10);
    s.form().text("txtserviceline", 1).setText(QStringLiteral("Jürgen & Co"));
    const textexport::ConfigTextExport exporter(s.form(), QStringLiteral("Default.fu1"),
                                                QLocale::c());
    QStringList lines = textexport::ConfigTextExport::NewListing();
    exporter.writeService(lines);
    exporter.writeTimers(lines);
    exporter.writeFuels(lines);
    ReportFacts facts;
    facts.time = QDateTime(QDate(2026, 12, 8), QTime(9, 30), QTimeZone(-5 * 3600));
    facts.model = 10;
    facts.addr = 3;
    facts.technician = QStringLiteral("Zoë Brandt");

    const RecordDocument sheet = ConfigSheetDocument(lines, facts, s.translator);
    const QString text = sheet.plainText();
    for (const char* expected :
         {"Configuration sheet", "2026-12-08 09:30:00 UTC-05:00", "Harrier 530 (10)", "Address",
          "Zoë Brandt", "(not given)", "Service", "Jürgen & Co", "Timers", "Fuels",
          "Filename : Default.fu1", "|N°  |[Fuel Name]"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
    // Access-key marks are the window's, not the reader's.
    EXPECT_FALSE(text.contains("&1")) << text.toStdString();
    EXPECT_LT(text.indexOf("Service"), text.indexOf("Timers"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    sheet.writePdf(pdf, s.translator);
    EXPECT_TRUE(test::ReadBytes(pdf).startsWith("%PDF-"));
    // A file that cannot be written is told, and no file is left.
    EXPECT_THROW(sheet.writePdf(dir.filePath("no/such/folder/sheet.pdf"), s.translator),
                 std::runtime_error);
}

}  // namespace
}  // namespace kilnward::records
