// The service report: which fields changed between two sectors (every kind of field, hidden
// ones too, parameter slots one by one, texts beyond ASCII), how the report lays them out,
// and the record a send keeps of itself, also when it cannot be kept.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimeZone>

#include <memory>
#include <stdexcept>

#include "app/Catalogue.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "form/TreeItemNode.h"
#include "records/ServiceReport.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/SimulatedCommPort.h"
#include "tests/support/BinFolder.h"
#include "tests/support/FileBytes.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/ProgressSink.h"
#include "transfer/SectorChanges.h"
#include "transfer/SectorMap.h"
#include "transfer/TransferSession.h"
#include "wirelink/FakeClock.h"
#include "wirelink/Wirelink.h"

namespace kilnward::records {
namespace {

using transfer::testing::SessionFixture;
using wirelink::ByteBuffer;

// Painting the PDF needs fonts, which need a GUI application.
class GuiApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "records-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
const auto* const kGuiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

constexpr std::uint8_t kModel = 10;

class ServiceReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The catalogue, for the scratch windows too, which read it from the program folder.
        ASSERT_TRUE(QFile::copy(test::BinaryPath("Param.ini"), s.folder.filePath("Param.ini")));
        app::LoadParameterCatalogue(s.translator);
        s.chooseModel(kModel);
    }

    ByteBuffer encoded() {
        ByteBuffer sector(2048, 0);
        transfer::EncodeConfigSector(s.form(), s.driver(), sector);
        return sector;
    }
    std::vector<documents::FieldDifference> changes(const ByteBuffer& before,
                                                    const ByteBuffer& after) {
        return transfer::SectorChanges(before, after, kModel, s.prompts, s.translator);
    }

    SessionFixture s;
};

TEST_F(ServiceReportTest, EveryFieldWhoseValueChangedIsListedWithItsPlaceAndBothValues) {
    form::TreeItem& page = s.form().tree("trvpage", 1);
    page.assignParameter(3, 1);
    s.form().numeric("TDBNumCOthrs").setValue(1000);
    s.form().list("cbomeasunitco").setListIndex(0);
    s.form().check("chkalmenabled", 1).setValue(form::CheckItem::kChecked);
    s.form().option("Optbargraphl2r", 2).setValue(true);
    s.form().text("txtheaderline", 2).setText(QStringLiteral("Via Roma 12"));
    s.form().numeric("TDBNumtimers", 2).setValue(10);
    const ByteBuffer before = encoded();

    // A field of every kind changed, and one this model does not show.
    ASSERT_FALSE(s.form().item("TDBNumtimers", 2).visible());
    s.form().numeric("TDBNumCOthrs").setValue(1234.5);
    s.form().list("cbomeasunitco").setListIndex(2);
    s.form().check("chkalmenabled", 1).setValue(form::CheckItem::kUnchecked);
    s.form().option("Optbargraphr2l", 2).setValue(true);
    s.form().text("txtheaderline", 2).setText(QStringLiteral("Straße 5, Köln"));
    s.form().numeric("TDBNumtimers", 2).setValue(25);
    page.assignParameter(3, 2);
    const ByteBuffer after = encoded();

    QStringList rows;
    for (const documents::FieldDifference& change : changes(before, after)) {
        rows << QStringList{change.key,    change.place, change.caption,
                            change.before, change.after, change.documentName}
                    .join(u'|');
    }
    // Of a parameter list only the slot that changed, as the list shows it.
    const QString slotBefore = app::Params().entryForId(1).Name + " - 3";
    const QString slotAfter = app::Params().entryForId(2).Name + " - 3";
    ASSERT_NE(slotBefore, slotAfter);
    EXPECT_EQ(rows,
              QStringList({
                  "frmMain!trvpage#1|Pages / Page 2||" + slotBefore + "|" + slotAfter +
                      "|Configuration data",
                  "frmMain!txtheaderline#2|Printer / Header|Header line 2|Via Roma 12|Straße 5, "
                  "Köln|Header data",
                  "frmMain!chkalmenabled#1|Alarms / Alarm 2|Alarm enabled|Yes|No|Configuration "
                  "data",
                  "frmMain!TDBNumtimers#2|Timers|Measure interval time|10|25|Configuration data",
                  "frmMain!TDBNumCOthrs|General|CO threshold [ppm]|1000.000|1234.500|"
                  "Configuration data",
                  "frmMain!cbomeasunitco|General|Measure unit for CO|ppm|mg/KWh|Configuration "
                  "data",
                  "frmMain!Optbargraphl2r#2|Bar graphs / Bar graph 3|Direction|Left to "
                  "right|Right to left|Configuration data",
              }))
        << rows.join(u'\n').toStdString();
    EXPECT_TRUE(changes(after, after).empty());
}

TEST_F(ServiceReportTest, TheReportNamesTheWriteAndListsTheChangesOrSaysNothingChanged) {
    const ByteBuffer before = encoded();
    s.form().text("txtheaderline", 1).setText(QStringLiteral("Müller & Söhne"));
    transfer::WriteRecord record;
    record.kind = transfer::TransferKind::Restore;
    record.model = kModel;
    record.addr = 7;
    record.port = QStringLiteral("/dev/ttyUSB0");
    record.time = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), QTimeZone(3600));
    record.before = before;
    record.written = encoded();
    record.verify = transfer::VerifyOutcome::Kept;
    record.backupPath = QStringLiteral("/somewhere/Harrier-530_addr7_2026-03-04_050607.kwb");

    const QString text =
        ServiceReportDocument(WriteReport(record, s.prompts, s.translator), s.translator)
            .plainText();
    for (const char* expected :
         {"Service report: configuration restored from a backup", "Date and time",
          "2026-03-04 05:06:07 UTC+01:00", "Program version", "Model", "Harrier 530 (10)",
          "Address", "7", "Port", "/dev/ttyUSB0", "Technician", "(not given)",
          "Harrier-530_addr7_2026-03-04_050607.kwb",
          "read back: the analyser kept what was written",
          "Fields whose value in the analyser changed: 1", "Printer / Header", "Header line 1",
          "Müller & Söhne", "Header data"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }

    record.written = before;
    record.verify = transfer::VerifyOutcome::NotChecked;
    // A port is named as the user picks it: the simulated analyser by its caption.
    record.port = QStringLiteral("simulator");
    const QString nothing =
        ServiceReportDocument(WriteReport(record, s.prompts, s.translator), s.translator)
            .plainText();
    EXPECT_TRUE(nothing.contains("Nothing changed")) << nothing.toStdString();
    EXPECT_TRUE(nothing.contains("Simulated analyser")) << nothing.toStdString();
    EXPECT_TRUE(nothing.contains("not read back")) << nothing.toStdString();
    EXPECT_FALSE(nothing.contains("Fields whose value")) << nothing.toStdString();
}

// What the report gives as the values after, and how it heads them, follows what the record
// knows: the read-back when there is one, else the values written, said to be unverified.
TEST_F(ServiceReportTest, TheValuesAfterAreTheReadBackOrSaidToBeUnverified) {
    const ByteBuffer before = encoded();
    s.form().text("txtheaderline", 1).setText(QStringLiteral("Written"));
    const ByteBuffer written = encoded();
    s.form().text("txtheaderline", 1).setText(QStringLiteral("Kept"));
    const ByteBuffer readBack = encoded();
    const struct {
        const char* name;
        transfer::VerifyOutcome verify;
        bool complete;
        bool withReadBack;
        const char* after;
        const char* heading;
        const char* note;
    } cases[] = {
        {"read back, differs", transfer::VerifyOutcome::Differs, true, true, "Kept", "After", ""},
        {"read back, kept", transfer::VerifyOutcome::Kept, true, true, "Kept", "After", ""},
        {"read-back failed", transfer::VerifyOutcome::CheckFailed, true, false, "Written",
         "After (not verified)", "Reading back failed: the After column shows the values written"},
        {"not read back", transfer::VerifyOutcome::NotChecked, true, false, "Written",
         "After (not verified)", "Not read back: the After column shows the values written"},
        {"cut short", transfer::VerifyOutcome::NotChecked, false, false, "Written",
         "After (not verified)", "The write did not complete"},
    };
    for (const auto& c : cases) {
        transfer::WriteRecord record;
        record.model = kModel;
        record.time = QDateTime::currentDateTime();
        record.before = before;
        record.written = written;
        record.complete = c.complete;
        record.blocks = 76;
        record.blocksWritten = 3;
        record.writtenEnd = 2 + 3 * 27;
        record.readBack = c.withReadBack ? readBack : ByteBuffer();
        record.verify = c.verify;
        const ServiceReport report = WriteReport(record, s.prompts, s.translator);
        ASSERT_EQ(report.changes.size(), 1u) << c.name;
        EXPECT_EQ(report.changes[0].after, c.after) << c.name;
        const QString text = ServiceReportDocument(report, s.translator).plainText();
        EXPECT_TRUE(text.contains(QStringLiteral("\n") + c.heading + "\n")) << c.name << "\n"
                                                                            << text.toStdString();
        if (*c.note != '\0') {
            EXPECT_TRUE(text.contains(c.note)) << c.name << "\n" << text.toStdString();
        } else {
            EXPECT_FALSE(text.contains("not verified")) << c.name << "\n" << text.toStdString();
        }
        EXPECT_EQ(text.contains("not completed: 3 of 76 blocks acknowledged (bytes 2 to 82)"),
                  !c.complete)
            << c.name << "\n"
            << text.toStdString();
    }
}

// A restore names the backup it wrote back; a report between backups of two addresses names
// both and warns.
TEST_F(ServiceReportTest, TheBackupsAReportComparesOrRestoresAreNamedWithTimeAndAddress) {
    const QDateTime taken(QDate(2026, 3, 4), QTime(5, 6, 7), QTimeZone(3600));
    transfer::WriteRecord record;
    record.kind = transfer::TransferKind::Restore;
    record.model = kModel;
    record.time = QDateTime::currentDateTime();
    record.before = record.written = encoded();
    record.restored =
        transfer::RestoredBackup{"/b/Harrier-530_addr4_2026-03-04_050607.kwb", taken, 4};
    const QString restore =
        ServiceReportDocument(WriteReport(record, s.prompts, s.translator), s.translator)
            .plainText();
    EXPECT_TRUE(restore.contains(
        "Backup restored\nHarrier-530_addr4_2026-03-04_050607.kwb (2026-03-04 05:06:07 "
        "UTC+01:00, address 4)"))
        << restore.toStdString();

    const transfer::SectorBackup first{kModel, 0, "2.0.22", taken, encoded(), {}};
    transfer::SectorBackup second = first;
    second.addr = 3;
    for (const auto& [later, warned] : {std::pair{first, false}, std::pair{second, true}}) {
        const ServiceReport report =
            BackupsReport(first, "a.kwb", later, "b.kwb", s.prompts, s.translator);
        const QString text = ServiceReportDocument(report, s.translator).plainText();
        EXPECT_EQ(text.contains("The backups are of two addresses (0 and 3)"), warned)
            << text.toStdString();
        EXPECT_EQ(report.facts.addr.has_value(), !warned);
        EXPECT_TRUE(text.contains(
            QStringLiteral("b.kwb (2026-03-04 05:06:07 UTC+01:00, address %1)").arg(later.addr)))
            << text.toStdString();
    }
}

TEST_F(ServiceReportTest, BackupsOfTwoModelsAreRefused) {
    const transfer::SectorBackup first{kModel,    0, "2.0.22", QDateTime::currentDateTime(),
                                       encoded(), {}};
    transfer::SectorBackup second = first;
    second.model = 9;
    EXPECT_THROW(BackupsReport(first, "a.kwb", second, "b.kwb", s.prompts, s.translator),
                 std::runtime_error);
    const ServiceReport same =
        BackupsReport(first, "a.kwb", first, "b.kwb", s.prompts, s.translator);
    EXPECT_TRUE(same.changes.empty());
    EXPECT_EQ(same.title, "Changes between two backups");
}

class NullSink : public transfer::ProgressSink {
  public:
    void setProgress(int) override {}
    void setStatus(const QString& text) override { statuses << text; }
    void setRunning(bool) override {}
    QStringList statuses;
};

// A send on the in-process simulated analyser with the report the program keeps: the PDF
// beside the backup; when it cannot be written the send is still done, with a warning.
TEST_F(ServiceReportTest, ASendKeepsItsReportAsPdfBesideTheBackupOrWarnsWhenItCannot) {
    wirelink::FakeClock clock;
    sim::AnalyserSimulator simulator{kModel, 0, clock.now(), QDateTime::currentDateTime()};
    sim::SimulatedCommPort port{simulator, clock};
    wirelink::Wirelink link{port, nullptr, &clock};
    transfer::LinkSettings settings;
    settings.portName = QStringLiteral("simulator");
    NullSink sink;
    transfer::TransferSession session(link, settings, s.driver(), s.session->messageBoxes(), sink);
    session.setWait([](int) {});
    bool blocked = false;
    session.setAfterWrite([this, &blocked](const transfer::WriteRecord& record) {
        if (blocked) {
            // A folder where the report should go: the file cannot take its place.
            QDir().mkpath(transfer::BesideBackup(record.backupPath, ".pdf"));
        }
        return KeepServiceReport(record, s.prompts, s.translator);
    });
    s.form().text("txtheaderline", 1).setText(QStringLiteral("Weiß"));

    ASSERT_EQ(session.sendconfiguration(s.form()), transfer::TransferOutcome::Done);
    const QString report = session.reportPath();
    EXPECT_EQ(QFileInfo(report).completeBaseName(),
              QFileInfo(session.backupPath()).completeBaseName());
    EXPECT_EQ(QFileInfo(report).dir(), QFileInfo(session.backupPath()).dir());
    EXPECT_TRUE(test::ReadBytes(report).startsWith("%PDF-")) << report.toStdString();
    EXPECT_TRUE(sink.statuses.contains("Service report kept in " + report));

    blocked = true;
    s.form().text("txtheaderline", 1).setText(QStringLiteral("Schwarz"));
    s.prompts.clear();
    ASSERT_EQ(session.sendconfiguration(s.form()), transfer::TransferOutcome::Done);
    EXPECT_FALSE(session.failure().has_value());
    ASSERT_EQ(session.warnings().size(), 1);
    EXPECT_TRUE(session.warnings()[0].startsWith(
        "The analyser was written, but its service report could not be kept: "))
        << session.warnings()[0].toStdString();
    EXPECT_EQ(sink.statuses.back(), "Sending...Done, verified");
    EXPECT_EQ(s.form().text("txtheaderline", 1).text(), "Schwarz");
}

}  // namespace
}  // namespace kilnward::records
