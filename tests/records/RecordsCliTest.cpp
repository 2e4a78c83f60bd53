// kilnward-cli print and report, and the service report every send and restore keeps, over a
// pseudo-terminal against kilnward-sim; the PDF files read back as text with pdftotext.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

// The text with every run of white space one space: a sentence the layout wrapped reads whole.
QString Flat(const QString& text) {
    return text.simplified();
}

// The backup's own time as the reports give it.
QString BackupTime(const QString& backup) {
    const QByteArray bytes = test::ReadBytes(backup);
    const qsizetype at = bytes.indexOf("\ntime=") + 6;
    const QDateTime time = QDateTime::fromString(
        QString::fromLatin1(bytes.mid(at, bytes.indexOf('\n', at) - at)), Qt::ISODate);
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
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
    // The documents of a fuel table of `fuels` fuels, the tenth one named `tenth`, over the
    // shipped ones.
    QString fuels(int fuels, const char* tenth) const {
        const QString path = file(QStringLiteral("fuels%1.fue").arg(fuels));
        test::WriteBytes(path, QByteArray("[General]\r\nFileType=Kfue\r\n[Kfue]\r\n"
                                          "frmMain!TDBNummaxfuels=") +
                                   QByteArray::number(fuels) +
                                   "\r\nfrmMain!txtfuelname#9=" + tenth + "\r\n");
        return path;
    }
    QString backupAt(int index) const { return QDir(backups()).filePath(backupFiles().at(index)); }
    static QString beside(const QString& backup, const char* extension) {
        return QString(backup).replace(".kwb", QLatin1String(extension));
    }
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

// The sheet names the address the window would use: a stored one that is no address is told
// and the default printed, as the window does, not clamped to another address.
TEST_F(RecordsCli, PrintTellsAStoredAddressThatIsNoneAndNamesTheOneUsed) {
    const struct {
        const char* stored;
        const char* printed;
        bool told;
    } cases[] = {{"300", "0", true}, {"abc", "0", true}, {"42", "42", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(test::WriteBytes(file("Config.ini"),
                                     QByteArray("[Serial]\r\nAddr=") + c.stored + "\r\n"));
        const QString pdf = file(QStringLiteral("sheet-%1.pdf").arg(c.stored));
        const CliRun run = Run({"print", "--model", "10", "--sections", "timers", "--pdf", pdf});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.contains(QStringLiteral("Addr=\"%1\" is not an address from 0 to 255; "
                                                  "address 0 is used")
                                       .arg(QLatin1String(c.stored))),
                  c.told)
            << run.err.toStdString();
        const QRegularExpression address(QStringLiteral("Address\\s+(\\S+)"));
        const QRegularExpressionMatch match = address.match(PdfText(pdf));
        ASSERT_TRUE(match.hasMatch());
        EXPECT_EQ(match.captured(1), QLatin1String(c.printed));
    }
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

// What the reports list follows the sector's bytes: fuels past the fuel count are named when
// their bytes change, and not when only the count moves over them.
TEST_F(RecordsCli, TheReportListsTheFieldsWhoseBytesChanged) {
    test::SimProcess sim({"--model", "10"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    // Eight fuels, the tenth named, then the shipped nine with the tenth unnamed.
    ASSERT_EQ(Run(QStringList{"send", "--fue", fuels(8, "Hydrogen")} + Link(sim)).exitCode, 0);
    const CliRun shipped = Run(QStringList{"send"} + Link(sim));
    ASSERT_EQ(shipped.exitCode, 0) << shipped.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 2);
    const QString text = Flat(PdfText(beside(backupAt(1), ".pdf")));
    EXPECT_TRUE(text.contains("Fields whose value in the analyser changed: 2"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Max fuels")) << text.toStdString();
    EXPECT_TRUE(text.contains("Hydrogen")) << text.toStdString();
    // The ninth fuel's bytes were sent alike both times: only the count reached it.
    EXPECT_FALSE(text.contains("Wood pellets")) << text.toStdString();
}

// A text whose bytes differ only past its end reads alike before and after: no changed value.
TEST_F(RecordsCli, ATextThatDiffersOnlyPastItsEndIsNoChange) {
    ASSERT_TRUE(test::WriteBytes(file("first.hdr"),
                                 "[General]\r\nFileType=Khdr\r\n[Khdr]\r\n"
                                 "frmMain!txtheaderline#1=Caf\xe9 Nord\r\n"));
    ASSERT_TRUE(test::WriteBytes(file("empty.hdr"),
                                 "[General]\r\nFileType=Khdr\r\n[Khdr]\r\n"
                                 "frmMain!txtheaderline#1=\r\n"));
    QByteArray held;
    {
        test::SimProcess sim({"--model", "10"});
        ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
        ASSERT_EQ(Run(QStringList{"send", "--hdr", file("first.hdr")} + Link(sim)).exitCode, 0);
        held = test::ReadBytes(beside(backupAt(0), ".after"));
    }
    // The analyser holds header line 1 ended by its first byte: "\0af\xe9 Nord".
    const qsizetype line = held.indexOf(" Nord") - 4;
    ASSERT_GT(line, 0);
    held[line] = '\0';
    ASSERT_TRUE(test::WriteBytes(file("held.img"), held));
    test::SimProcess sim({"--model", "10", "--image", file("held.img")});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun emptied = Run(QStringList{"send", "--hdr", file("empty.hdr")} + Link(sim));
    ASSERT_EQ(emptied.exitCode, 0) << emptied.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 2);
    const QString text = Flat(PdfText(beside(backupAt(1), ".pdf")));
    EXPECT_TRUE(text.contains("Nothing changed")) << text.toStdString();
    EXPECT_FALSE(text.contains("Header line 1")) << text.toStdString();
}

// A write that did not end, or whose read-back failed or differed: the report is kept, and
// says what the analyser is known to hold.
TEST_F(RecordsCli, AFailedWriteKeepsAReportThatSaysWhatTheAnalyserHolds) {
    const struct {
        const char* name;
        const char* fault;
        std::vector<const char*> expected;
        std::vector<const char*> absent;
        bool cutShort = false;
        // The language the settings keep, which the report follows.
        int language = 0;
    } cases[] = {
        // Block 2 (printer settings, header line 1) acknowledged and dropped.
        {"read back differs",
         "dropwrite=2",
         {"read back: the analyser did not keep everything"},
         {"Café Nord", "not verified"}},
        // Every read of the read-back refused.
        {"read-back failed",
         "fail=21,cmd=5C00,from=150,count=0",
         {"reading back failed", "Café Nord",
          "Reading back failed: the After column shows the values written, not values read "
          "from the analyser."},
         {}},
        // The write refused part way.
        {"write cut short",
         "fail=21,cmd=DC00,from=90,count=0",
         {"The write did not complete: the After column shows the values of the blocks the "
          "analyser acknowledged",
          "Café Nord"},
         {"read back:"},
         true},
        // In German, what the check found in German too.
        {"read back differs, German",
         "dropwrite=2",
         {"zurückgelesen: das Analysegerät hat nicht alles behalten: reservierte Bytes",
          "Drucker / Kopfzeilen / Kopfzeile 1"},
         {"Reading", "did not keep", "Header line"},
         false,
         2},
        {"read-back failed, German",
         "fail=21,cmd=5C00,from=150,count=0",
         {"Zurücklesen fehlgeschlagen: Befehl 0x5C00 nicht implementiert"},
         {"not implemented"},
         false,
         2},
    };
    ASSERT_TRUE(test::WriteBytes(file("first.hdr"),
                                 "[General]\r\nFileType=Khdr\r\n[Khdr]\r\n"
                                 "frmMain!txtheaderline#1=Caf\xe9 Nord\r\n"));
    for (const auto& c : cases) {
        QDir(backups()).removeRecursively();
        ASSERT_TRUE(test::WriteBytes(
            file("Config.ini"),
            QByteArray("[Language]\r\nLanguageIndex=") + QByteArray::number(c.language)));
        test::SimProcess sim({"--model", "10", "--fault", c.fault});
        ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
        const CliRun run = Run(QStringList{"send", "--hdr", file("first.hdr")} + Link(sim));
        EXPECT_EQ(run.exitCode, 1) << c.name;
        ASSERT_EQ(backupFiles().size(), 1) << c.name;
        const QString report = beside(backupAt(0), ".pdf");
        EXPECT_TRUE(run.out.contains("Service report kept in " + report)) << c.name << "\n"
                                                                          << run.out.toStdString();
        EXPECT_EQ(test::ReadBytes(beside(backupAt(0), ".after")).size(), 2048) << c.name;
        const QString text = Flat(PdfText(report));
        for (const char* expected : c.expected) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected)))
                << c.name << ": " << expected << "\n"
                << text.toStdString();
        }
        if (c.cutShort) {
            // As far as the analyser acknowledged: whole blocks of 27 bytes from byte 2.
            static const QRegularExpression cut(QStringLiteral(
                "not completed: (\\d+) of 76 blocks acknowledged \\(bytes 2 to (\\d+)\\)"));
            const QRegularExpressionMatch match = cut.match(text);
            ASSERT_TRUE(match.hasMatch()) << text.toStdString();
            const int blocks = match.captured(1).toInt();
            EXPECT_GT(blocks, 0);
            EXPECT_LT(blocks, 76);
            EXPECT_EQ(match.captured(2).toInt(), 1 + 27 * blocks);
        }
        for (const char* absent : c.absent) {
            EXPECT_FALSE(text.contains(QString::fromUtf8(absent)))
                << c.name << ": " << absent << "\n"
                << text.toStdString();
        }
    }
}

// A restore names the backup it wrote back; a report between backups of two addresses shows
// both and warns.
TEST_F(RecordsCli, ARestoreNamesItsBackupAndAReportWarnsOfTwoAddresses) {
    test::SimProcess sim({"--model", "10"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    ASSERT_EQ(Run(QStringList{"send", "--fue", fuels(8, "Hydrogen")} + Link(sim)).exitCode, 0);
    const QString source = backupAt(0);
    const CliRun restore = Run(QStringList{"restore", "--image", source, "--yes"} + Link(sim));
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 2);
    const QString restored = Flat(PdfText(beside(backupAt(1), ".pdf")));
    EXPECT_TRUE(restored.contains("Backup restored " + QFileInfo(source).fileName() + " (" +
                                  BackupTime(source) + " UTC"))
        << restored.toStdString();
    EXPECT_TRUE(restored.contains(", address 0)")) << restored.toStdString();
    EXPECT_FALSE(restored.contains("two analysers")) << restored.toStdString();

    // Restored into the analyser at another address: warned of, as a report of two addresses.
    test::SimProcess third({"--model", "10", "--addr", "3"});
    ASSERT_FALSE(third.device().isEmpty()) << third.error().toStdString();
    const CliRun elsewhere =
        Run(QStringList{"restore", "--image", source, "--yes", "--other-address", "--addr", "3"} +
            Link(third));
    ASSERT_EQ(elsewhere.exitCode, 0) << elsewhere.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 3);
    EXPECT_TRUE(elsewhere.err.contains("kilnward-cli: warning: ")) << elsewhere.err.toStdString();
    const QString warned = Flat(PdfText(beside(backupAt(2), ".pdf")));
    EXPECT_TRUE(warned.contains(", address 0)")) << warned.toStdString();
    EXPECT_TRUE(warned.contains("(0 and 3)")) << warned.toStdString();
    EXPECT_TRUE(warned.contains("they may be of two analysers.")) << warned.toStdString();

    QByteArray other = test::ReadBytes(backupAt(1));
    other.replace("address=0\n", "address=3\n");
    ASSERT_TRUE(test::WriteBytes(file("other.kwb"), other));
    const QString between = file("between.pdf");
    const CliRun report =
        Run({"report", "--before", source, "--after", file("other.kwb"), "--pdf", between});
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    EXPECT_TRUE(report.err.contains("warning: the backups are of two addresses (0 and 3)"))
        << report.err.toStdString();
    const QString text = Flat(PdfText(between));
    for (const char* expected :
         {", address 0)", ", address 3)",
          "The backups are of two addresses (0 and 3): they may be of two analysers."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
}

// The reports a send and a restore keep, and a report between backups, are in the language the
// settings keep, every header and word whole in its column.
TEST_F(RecordsCli, SendAndRestoreReportsFollowTheStoredLanguageWithNoWordBroken) {
    ASSERT_TRUE(test::WriteBytes(file("Config.ini"),
                                 "[Language]\r\nLanguageIndex=2\r\n[Report]\r\n"
                                 "Technician=J\xc3\xbcrgen Wei\xc3\x9f\r\n"));
    test::SimProcess sim({"--model", "10"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    ASSERT_TRUE(test::WriteBytes(file("first.hdr"),
                                 "[General]\r\nFileType=Khdr\r\n[Khdr]\r\n"
                                 "frmMain!txtheaderline#1=Caf\xe9 Nord\r\n"));
    ASSERT_EQ(
        Run(QStringList{"send", "--hdr", file("first.hdr"), "--fue", fuels(8, "Wasserstoff")} +
            Link(sim))
            .exitCode,
        0);
    ASSERT_EQ(Run(QStringList{"restore", "--image", backupAt(0), "--yes"} + Link(sim)).exitCode, 0);
    ASSERT_EQ(backupFiles().size(), 2);
    // A report between the two: in the stored language too, unless --language says otherwise.
    const QString between = file("between.pdf");
    const CliRun report =
        Run({"report", "--before", backupAt(0), "--after", backupAt(1), "--pdf", between});
    ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
    const QString english = file("english.pdf");
    ASSERT_EQ(Run({"report", "--before", backupAt(0), "--after", backupAt(1), "--pdf", english,
                   "--language", "0"})
                  .exitCode,
              0);
    EXPECT_TRUE(PdfText(english).contains("Changes between two backups"));
    const struct {
        QString pdf;
        const char* title;
    } cases[] = {{beside(backupAt(0), ".pdf"), "Servicebericht: Konfiguration gesendet"},
                 {beside(backupAt(1), ".pdf"),
                  "Servicebericht: Konfiguration aus einer Sicherung wiederhergestellt"},
                 {between, "Änderungen zwischen zwei Sicherungen"}};
    for (const auto& c : cases) {
        const QString text = PdfText(c.pdf);
        EXPECT_TRUE(Flat(text).contains(QString::fromUtf8(c.title))) << text.toStdString();
        // The header row on one line, each word whole; the document names whole.
        static const QRegularExpression headers(
            QStringLiteral("^\\s*Ort\\s+Feld\\s+Vorher\\s+Nachher\\s+Dokument\\s*$"),
            QRegularExpression::MultilineOption);
        EXPECT_TRUE(headers.match(text).hasMatch()) << text.toStdString();
        for (const char* word : {"Kopfzeilendaten", "Brennstoffdaten", "Wasserstoff"}) {
            EXPECT_TRUE(text.contains(QLatin1String(word))) << word << "\n" << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace kilnward::records
