// kilnward-cli print and report, and the service report every send and restore keeps, over a
// pseudo-terminal against kilnward-sim; the PDF files read back as text with pdftotext.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::records {
namespace {

using test::CliRun;

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

// The text of a PDF file as pdftotext finds it (layout kept, so a row stays one line).
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        return QStringLiteral("pdftotext failed: ") + pdftotext.errorString();
    }
    // The fonts' ligatures ("fi") come out as their own characters.
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

class RecordsCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
            << "pdftotext (poppler-utils, scripts/setup) is needed to read the PDF files";
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(test::CopyProgramData(home.path()));
        ASSERT_TRUE(QFile::copy(test::BinaryPath("Language.mdb"), file("Language.mdb")));
        ASSERT_TRUE(test::WriteBytes(file("Config.ini"),
                                     "[Report]\r\nTechnician=J\xc3\xbcrgen Wei\xc3\x9f\r\n"
                                     "Company=Kessel & S\xc3\xb6hne\r\n"));
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }
    QString backups() const { return file("data/kilnward/backups"); }
    QStringList backupFiles() const {
        return QDir(backups()).entryList({"*.kwb"}, QDir::Files, QDir::Name);
    }
    CliRun Run(const QStringList& arguments) {
        test::RunOptions options;
        options.environment.insert("XDG_DATA_HOME", file("data"));
        options.environment.insert("LC_ALL", "C");
        return test::RunCli(arguments + QStringList{"--program-dir", home.path()}, options);
    }
    static QStringList Link(const test::SimProcess& sim) {
        return {"--port", sim.device(), "--model", "10", "--cable"};
    }

    QTemporaryDir home;
};

TEST_F(RecordsCli, PrintWritesTheSheetInTheLanguageChosen) {
    const struct {
        const char* language;
        QStringList expected;
    } cases[] = {
        {"0",
         {"Configuration sheet", "Program version", "Harrier 530 (10)", "Technician", "Jürgen Weiß",
          "Kessel & Söhne", "Timers", "Service"}},
        {"2",
         {"Konfigurationsblatt", "Programmversion", "Harrier 530 (10)", "Techniker", "Jürgen Weiß",
          "Kessel & Söhne"}},
    };
    for (const auto& c : cases) {
        const QString pdf = file(QStringLiteral("sheet-%1.pdf").arg(c.language));
        const CliRun run = Run({"print", "--model", "10", "--sections", "timers,service",
                                "--language", c.language, "--pdf", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString text = PdfText(pdf);
        for (const QString& expected : c.expected) {
            EXPECT_TRUE(text.contains(expected))
                << c.language << ": " << expected.toStdString() << "\n"
                << text.toStdString();
        }
        EXPECT_FALSE(text.contains("Fuels")) << "only the sections chosen";
    }
    const CliRun unwritable = Run({"print", "--pdf", file("no/folder/sheet.pdf")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("no/folder/sheet.pdf cannot be written"))
        << unwritable.err.toStdString();
    EXPECT_EQ(Run({"print", "--sections", "clocks", "--pdf", file("x.pdf")}).exitCode, 2);
    EXPECT_EQ(Run({"print"}).exitCode, 2);
}

// Every send keeps its report beside the backup; report compares any two backups of one model.
TEST_F(RecordsCli, ASendKeepsItsReportAndReportComparesTwoBackups) {
    test::SimProcess sim({"--model", "10"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    ASSERT_TRUE(test::WriteBytes(file("first.hdr"),
                                 "[General]\r\nFileType=Khdr\r\n[Khdr]\r\n"
                                 "frmMain!txtheaderline#1=Caf\xe9 Nord\r\n"));
    const CliRun first = Run(QStringList{"send", "--hdr", file("first.hdr")} + Link(sim));
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 1);
    const QString backup1 = QDir(backups()).filePath(backupFiles().first());
    const QString report1 = QString(backup1).replace(".kwb", ".pdf");
    EXPECT_TRUE(first.out.contains("Service report kept in " + report1 + "\n"))
        << first.out.toStdString();
    EXPECT_EQ(test::ReadBytes(QString(backup1).replace(".kwb", ".after")).size(), 2048);
    const QString sent = PdfText(report1);
    for (const char* expected : {"Service report: configuration sent", "UTC", "Harrier 530 (10)",
                                 "Jürgen Weiß", "Header line 1", "Café Nord",
                                 "read back: the analyser kept what was written", "Header"}) {
        EXPECT_TRUE(sent.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << sent.toStdString();
    }

    // The same documents again: the analyser holds them already.
    const CliRun again = Run(QStringList{"send", "--hdr", file("first.hdr")} + Link(sim));
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 2);
    const QString backup2 = QDir(backups()).filePath(backupFiles().last());
    EXPECT_TRUE(PdfText(QString(backup2).replace(".kwb", ".pdf")).contains("Nothing changed"));

    // Between the two backups: what the first send changed, in German.
    const QString between = file("between.pdf");
    const CliRun report = Run(
        {"report", "--before", backup1, "--after", backup2, "--pdf", between, "--language", "2"});
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QString german = PdfText(between);
    for (const char* expected :
         {"Änderungen zwischen", "Sicherung vorher", "Café Nord", "Kopfzeilen"}) {
        EXPECT_TRUE(german.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                  << german.toStdString();
    }

    // Another model's backup: refused, saying so.
    QByteArray other = test::ReadBytes(backup2);
    other.replace("model=10\n", "model=9\n");
    ASSERT_TRUE(test::WriteBytes(file("other.kwb"), other));
    const CliRun refused =
        Run({"report", "--before", backup1, "--after", file("other.kwb"), "--pdf", between});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("The backups are of two models (Harrier 530 and Harrier 520)"))
        << refused.err.toStdString();
    EXPECT_EQ(Run({"report", "--before", backup1, "--pdf", between}).exitCode, 2);
}

}  // namespace
}  // namespace kilnward::records
