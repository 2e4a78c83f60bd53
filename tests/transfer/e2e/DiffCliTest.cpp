// kilnward-cli diff against kilnward-sim on a pseudo-terminal and against document files: it
// names exactly the fields that differ, with both values and the document, and exits 0 when
// nothing does.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::transfer {
namespace {

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

// The lines of the fields changed in the "edited" documents, as diff prints them.
const QString kChangedLines =
    "Printer / Header / Header line 2\tVia Roma 12\tVia Milano 3\tHeader data\n"
    "General / CO threshold [ppm]\t1000.000\t1234.000\tConfiguration data\n"
    "General / Measure unit for CO\tppm\tmg/KWh\tConfiguration data\n";

class DiffCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(test::CopyProgramData(home.path()));
        // The defaults as saved documents, and a copy with three fields edited.
        ASSERT_EQ(Run({"documents", "--model", "13", "--out-dir", file("saved")}).exitCode, 0);
        ASSERT_EQ(Run({"documents", "--model", "13", "--out-dir", file("edited")}).exitCode, 0);
        Edit("edited/configuration.cfg",
             {{"frmMain!TDBNumCOthrs=1000", "frmMain!TDBNumCOthrs=1234"},
              {"frmMain!cbomeasunitco=0", "frmMain!cbomeasunitco=2"}});
        Edit("edited/header.hdr",
             {{"frmMain!txtheaderline#2=Via Roma 12", "frmMain!txtheaderline#2=Via Milano 3"}});
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }

    test::CliRun Run(QStringList arguments) {
        arguments << "--program-dir" << home.path();
        test::RunOptions options;
        options.timeoutMs = 90000;
        // A send keeps its backup there, not in the user's folder.
        options.environment.insert("XDG_DATA_HOME", file("data"));
        return test::RunCli(arguments, options);
    }

    void Edit(const QString& name, const std::vector<std::pair<QString, QString>>& changes) {
        QString text = QString::fromLatin1(test::ReadBytes(file(name)));
        for (const auto& [from, to] : changes) {
            ASSERT_TRUE(text.contains(from)) << from.toStdString();
            text.replace(from, to);
        }
        ASSERT_TRUE(test::WriteBytes(file(name), text.toLatin1()));
    }

    QStringList Documents(const QString& folder) const {
        return {"--cfg", file(folder + "/configuration.cfg"), "--hdr",
                file(folder + "/header.hdr")};
    }

    QTemporaryDir home;
};

TEST_F(DiffCli, NamesExactlyTheFieldsTheAnalyserHoldsOtherwise) {
    ASSERT_TRUE(test::WriteBytes(file("zero.bin"), QByteArray(2048, '\0')));
    const test::CliRun encoded = Run(QStringList{"encode", "--model", "13", "--base",
                                                 file("zero.bin"), "--out", file("analyser.bin")} +
                                     Documents("edited"));
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err.toStdString();
    test::SimProcess sim({"--model", "13", "--addr", "2", "--image", file("analyser.bin")});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const QStringList link = {"diff", "--port", sim.device(), "--model",
                              "13",   "--addr", "2",          "--cable"};

    const test::CliRun different = Run(link + Documents("saved"));
    EXPECT_EQ(different.exitCode, 1) << different.err.toStdString();
    EXPECT_EQ(different.out, kChangedLines);
    EXPECT_EQ(different.err, "Receiving...In progress\nReceiving...Done\n");

    const test::CliRun equal = Run(link + Documents("edited"));
    EXPECT_EQ(equal.exitCode, 0) << equal.out.toStdString() << equal.err.toStdString();
    EXPECT_EQ(equal.out, "");
}

// Right after a send the analyser holds the documents as far as its model keeps them: nothing
// differs, also of a model that keeps less (printer boxes, an alarm it lacks).
TEST_F(DiffCli, NothingDiffersRightAfterASend) {
    for (const char* model : {"9", "12"}) {
        SCOPED_TRACE(model);
        test::SimProcess sim({"--model", model});
        ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
        const QStringList link = {"--port", sim.device(), "--model", model, "--cable"};
        const test::CliRun sent = Run(QStringList{"send"} + link);
        ASSERT_EQ(sent.exitCode, 0) << sent.err.toStdString();
        const test::CliRun diff = Run(QStringList{"diff"} + link);
        EXPECT_EQ(diff.exitCode, 0) << diff.err.toStdString();
        EXPECT_EQ(diff.out.toStdString(), "");
    }
}

TEST_F(DiffCli, ComparesWithFilesOnlyTheDocumentsGiven) {
    const test::CliRun folder =
        Run(QStringList{"diff", "--against-dir", file("edited")} + Documents("saved"));
    EXPECT_EQ(folder.exitCode, 1) << folder.err.toStdString();
    EXPECT_EQ(folder.out, kChangedLines);

    // Only the header is compared; its own file and the defaults agree elsewhere.
    const test::CliRun header =
        Run({"diff", "--against-hdr", file("edited/header.hdr"), "--model", "13"});
    EXPECT_EQ(header.exitCode, 1);
    EXPECT_EQ(header.out, kChangedLines.section('\n', 0, 0) + '\n');

    const test::CliRun same = Run({"diff", "--cfg", file("edited/configuration.cfg"),
                                   "--against-cfg", file("edited/configuration.cfg")});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, "");
}

TEST_F(DiffCli, TroubleExitsWithTwo) {
    // A header file given as the configuration is refused, naming the file.
    const test::CliRun refused =
        Run({"diff", "--against-cfg", file("edited/header.hdr"), "--model", "13"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.startsWith("kilnward-cli: " + file("edited/header.hdr")))
        << refused.err.toStdString();
    for (const QStringList& arguments :
         {QStringList{"diff", "--model", "13"},
          QStringList{"diff", "--port", "simulator", "--against-dir", file("edited")},
          QStringList{"diff", "--against-dir", file("edited"), "--against-cfg", file("x.cfg")}}) {
        EXPECT_EQ(Run(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    }
    const test::CliRun missing = Run({"diff", "--port", "/nonexistent/tty", "--model", "13"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace kilnward::transfer
