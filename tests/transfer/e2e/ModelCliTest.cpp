// kilnward-cli and the model: a command's result depends on --model and the program folder it
// is given, never on the model the window stored; without a known model nothing is sent.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtApplicationEnvironment.h"

namespace kilnward::transfer {
namespace {

using test::CliRun;

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

class ModelCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.isValid() && home.isValid());
        ASSERT_TRUE(test::CopyProgramData(program.path()));
        ASSERT_TRUE(QFile::copy(test::BinaryPath("520p.cfg"), file("520p.cfg")));
    }

    QString file(const QString& name) const { return QDir(program.path()).filePath(name); }
    void storeModel(int model) {
        ASSERT_TRUE(test::WriteBytes(
            file("Config.ini"),
            QStringLiteral("[General]\r\nInstrumentIDselected=%1\r\n").arg(model).toLatin1()));
    }
    // Runs with the program folder given on the command line; KILNWARD_HOME names another
    // folder, so only --program-dir can lead to the test's files.
    CliRun run(QStringList arguments) {
        arguments << "--program-dir" << program.path();
        test::RunOptions options;
        options.environment.insert("KILNWARD_HOME", home.path());
        return test::RunCli(arguments, options);
    }

    QTemporaryDir program;
    QTemporaryDir home;
};

TEST_F(ModelCli, EncodeOfAModelIsTheSameWhateverModelIsStored) {
    ASSERT_TRUE(test::WriteBytes(file("noise.bin"), QByteArray(2048, '\x5a')));
    QByteArray expected;
    for (const int stored : {10, 15, 12, 9, 20}) {
        storeModel(stored);
        const QByteArray config = test::ReadBytes(file("Config.ini"));
        const CliRun encoded =
            run({"encode", "--model", "10", "--base", file("noise.bin"), "--out", file("out.bin")});
        ASSERT_EQ(encoded.exitCode, 0) << encoded.err.toStdString();
        const QByteArray sector = test::ReadBytes(file("out.bin"));
        if (expected.isEmpty()) {
            expected = sector;
        }
        EXPECT_EQ(sector, expected) << "stored " << stored;
        EXPECT_EQ(test::ReadBytes(file("Config.ini")), config) << "stored " << stored;
    }
}

TEST_F(ModelCli, ClockAndReadMemoryTakeTheProgramFolder) {
    storeModel(18);
    for (const QStringList& arguments :
         {QStringList{"clock", "--port", "simulator"},
          QStringList{"read-memory", "--port", "simulator", "--device", "1", "--address", "0",
                      "--count", "4"}}) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("stored model 18 is no known analyser model"))
            << refused.err.toStdString();
    }
    storeModel(9);
    const CliRun clock = run({"clock", "--port", "simulator", "--addr", "9"});
    EXPECT_EQ(clock.exitCode, 0) << clock.err.toStdString();
}

TEST_F(ModelCli, WithoutAKnownModelATransferIsRefusedNamingTheCatalogue) {
    QByteArray param = test::ReadBytes(file("Param.ini"));
    param.truncate(param.indexOf("[Instruments]"));
    ASSERT_TRUE(test::WriteBytes(file("Param.ini"), param + "[Instruments]\r\nMystery 999=99\r\n"));
    for (const char* command : {"set-clock", "send", "receive"}) {
        QStringList arguments = {command, "--port", "simulator"};
        if (QLatin1String(command) == QLatin1String("receive")) {
            arguments << "--out-dir" << file("out");
        }
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 1) << command;
        EXPECT_TRUE(refused.err.contains(
            "No analyser model is known: " + QDir::toNativeSeparators(file("Param.ini")) +
            " names none in its [Instruments] section"))
            << command << ": " << refused.err.toStdString();
    }
}

}  // namespace
}  // namespace kilnward::transfer
