// The transfers end to end on the in-process simulated analyser, on a fake clock: the
// commands' questions and document reset, the port opening, the sector moved in blocks, the
// status lines, progress and error reports, and the link left released and closed.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <stdexcept>

#include "documents/EditJournal.h"
#include "drivers/ClockRecord.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "form/UserEdit.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/FaultSpec.h"
#include "simulator/SimulatedCommPort.h"
#include "tests/support/FileBytes.h"
#include "tests/support/MissingPort.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/ProgressSink.h"
#include "transfer/SectorMap.h"
#include "transfer/TransferCommands.h"
#include "transfer/WriteRecord.h"
#include "wirelink/Errors.h"
#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Host.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {
namespace {

using app::PromptAnswer;
using testing::NoiseSector;
using testing::RandomConfiguration;
using testing::SessionFixture;
using wirelink::ByteBuffer;

// The default pause after an opening attempt runs the application's events.
const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

constexpr std::uint8_t kModel = 12;
constexpr std::uint8_t kAddr = 3;

class RecordingSink : public ProgressSink {
  public:
    void setProgress(int percent) override { progress.push_back(percent); }
    void setStatus(const QString& text) override { statuses.push_back(text); }
    void setRunning(bool on) override { running.push_back(on); }

    std::vector<int> progress;
    std::vector<QString> statuses;
    std::vector<bool> running;
};

drivers::DateTime SentTime() {
    return drivers::MakeDateTime(2031, 7, 14, 9, 41, 33);
}

class TransferRun : public ::testing::Test {
  protected:
    void SetUp() override {
        s.chooseModel(kModel);
        settings.portName = QStringLiteral("simulator");
        settings.addr = kAddr;
    }

    TransferCommands commands(wirelink::Wirelink& on) {
        TransferCommands made(*s.session, on, settings, sink);
        made.setWait([this](int ms) {
            waits.push_back(ms);
            requestsAtWait.push_back(simulator.requestCount());
        });
        made.setClock(SentTime);
        return made;
    }
    TransferCommands commands() { return commands(link); }

    void loadSector(const ByteBuffer& bytes) {
        simulator.state().sector().write(0, bytes.data(), bytes.size());
    }
    const ByteBuffer& sector() const { return simulator.state().sector().bytes(); }
    void yes() { s.prompts.queueAnswer(PromptAnswer::Yes); }
    std::vector<QString> messages() const { return s.prompts.messages(); }
    void expectLinkReleasedAndClosed() {
        EXPECT_FALSE(link.PortOpen());
        EXPECT_FALSE(link.Checkflow(kAddr));
        EXPECT_EQ(sink.running.back(), false);
    }

    SessionFixture s;
    LinkSettings settings;
    wirelink::FakeClock clock;
    sim::AnalyserSimulator simulator{kModel, kAddr, clock.now(),
                                     QDateTime(QDate(2026, 1, 2), QTime(3, 4))};
    sim::SimulatedCommPort port{simulator, clock};
    wirelink::Wirelink link{port, nullptr, &clock};
    RecordingSink sink;
    std::vector<int> waits;
    std::vector<std::uint64_t> requestsAtWait;
};

TEST_F(TransferRun, ReceiveResetsTheDocumentsAndFillsTheWindowFromTheAnalyser) {
    SessionFixture other;
    other.chooseModel(kModel);
    RandomConfiguration(other, 5);
    ByteBuffer analyser = NoiseSector(5);
    EncodeConfigSector(other.form(), other.driver(), analyser);
    loadSector(analyser);
    s.session->documents().setFileName(1, "/somewhere/fuels.fue");
    yes();

    TransferCommands run = commands();
    ASSERT_EQ(run.mnufileget(), TransferOutcome::Done);

    EXPECT_EQ(run.image(), analyser);
    EXPECT_EQ(s.form().text("txtheaderline", 1).text(),
              other.form().text("txtheaderline", 1).text());
    EXPECT_EQ(s.form().numeric("TDBNumCOthrs").number(),
              other.form().numeric("TDBNumCOthrs").number());
    for (int d = 0; d < 5; ++d) {
        EXPECT_TRUE(s.session->documents()[d].FileName().isEmpty()) << d;
    }
    EXPECT_TRUE(s.session->documents()[0].Dirty());
    EXPECT_EQ(sink.statuses, (std::vector<QString>{"Receiving...In progress", "Receiving...Done"}));
    EXPECT_EQ(sink.progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(sink.progress.begin(), sink.progress.end()));
    // One wait after the successful opening, before the first request.
    EXPECT_EQ(waits, std::vector<int>{1000});
    EXPECT_EQ(requestsAtWait, std::vector<std::uint64_t>{0});
    // Remote mode on and off (each a write and its status request) and 64 blocks.
    EXPECT_EQ(simulator.requestCount(), 2u + 64 + 2);
    EXPECT_FALSE(simulator.state().remoteMode());
    EXPECT_TRUE(messages().empty());
    expectLinkReleasedAndClosed();
}

TEST_F(TransferRun, SendWritesEverythingButTheFirstTwoBytesAndSetsTheClock) {
    const ByteBuffer before = NoiseSector(21);
    loadSector(before);
    RandomConfiguration(s, 21);
    ByteBuffer expected = before;
    EncodeConfigSector(s.form(), s.driver(), expected);
    expected[0] = before[0];
    expected[1] = before[1];
    yes();

    TransferCommands send = commands();
    ASSERT_EQ(send.mnufilesend(), TransferOutcome::Done);

    EXPECT_EQ(sector(), expected);
    EXPECT_EQ(simulator.state().clock().current(clock.now()).toString(Qt::ISODate).left(16),
              "2031-07-14T09:41");
    EXPECT_FALSE(simulator.state().remoteMode());
    EXPECT_FALSE(simulator.state().inWriteTransaction());
    // The backup, kept before the write phase, holds the sector as it was.
    const QString backup = send.backupPath();
    EXPECT_EQ(
        sink.statuses,
        (std::vector<QString>{"Sending (Phase 1)...In progress", "Sending (Phase 2)...In progress",
                              "Backup of the analyser kept in " + backup,
                              "Reading back...In progress", "Sending...Done, verified"}));
    const QByteArray kept = test::ReadBytes(backup).right(2048);
    EXPECT_EQ(ByteBuffer(kept.begin(), kept.end()), before);
    // 64 reads; remote on, transaction start, 76 writes, transaction end, clock and remote
    // off each as a write and its status request; the read-back: 64 reads inside remote on
    // and off.
    EXPECT_EQ(simulator.requestCount(), 2 * 64u + 2 * (1 + 1 + 76 + 1 + 1 + 1) + 2 * 2);
    EXPECT_EQ(sink.progress.back(), 100);
    expectLinkReleasedAndClosed();
}

TEST_F(TransferRun, TwoSendsInARowChangeNothingOutsideTheManagedFields) {
    const ByteBuffer before = NoiseSector(33);
    loadSector(before);
    RandomConfiguration(s, 33);
    yes();
    ASSERT_EQ(commands().mnufilesend(), TransferOutcome::Done);
    const ByteBuffer first = sector();
    yes();
    ASSERT_EQ(commands().mnufilesend(), TransferOutcome::Done);
    EXPECT_EQ(sector(), first);
    const int end = 1152 + 204;  // six alarms
    for (int at = 0; at < 2048; ++at) {
        const bool managed = (at >= 2 && at < end) || (at >= 1712 && at < 1728);
        if (!managed) {
            EXPECT_EQ(first[static_cast<size_t>(at)], before[static_cast<size_t>(at)]) << at;
        }
    }
}

TEST_F(TransferRun, SetClockSendsTheTimeAloneWithoutWaiting) {
    yes();
    ASSERT_EQ(commands().mnuconfiguresetclock(), TransferOutcome::Done);
    EXPECT_EQ(simulator.requestCount(), 2u);  // the clock write and its status request
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(simulator.state().clock().current(clock.now()).toString(Qt::ISODate).left(16),
              "2031-07-14T09:41");
    EXPECT_EQ(sink.statuses,
              (std::vector<QString>{"Setting clock...In progress", "Setting clock...Done"}));
    EXPECT_EQ(sink.progress, (std::vector<int>{0, 100}));
    expectLinkReleasedAndClosed();
}

TEST_F(TransferRun, DeclinedConfirmationDoesNothing) {
    s.prompts.queueAnswer(PromptAnswer::No);
    s.session->documents().setDirty(0, true);
    EXPECT_FALSE(commands().mnufileget().has_value());
    EXPECT_EQ(simulator.requestCount(), 0u);
    EXPECT_TRUE(s.session->documents()[0].Dirty());
    EXPECT_EQ(s.prompts.records().size(), 1u);
    EXPECT_EQ(s.prompts.records()[0].text, "Receive configuration data.\n\nAre you sure ?");
}

TEST_F(TransferRun, ReceiveCancelledAtTheSaveQuestionOfDocument2) {
    for (int d = 0; d < 3; ++d) {
        s.session->documents().setDirty(d, true);
        s.session->documents().setFileName(d, QStringLiteral("/work/file%1").arg(d));
    }
    yes();
    s.prompts.queueAnswer(PromptAnswer::No);
    s.prompts.queueAnswer(PromptAnswer::No);
    s.prompts.queueAnswer(PromptAnswer::Cancel);

    EXPECT_FALSE(commands().mnufileget().has_value());

    // Nothing was replaced: every document keeps its name and its changed mark, and the
    // analyser was never asked.
    for (int d = 0; d < 3; ++d) {
        EXPECT_TRUE(s.session->documents()[d].Dirty()) << d;
        EXPECT_EQ(s.session->documents()[d].FileName(), QStringLiteral("/work/file%1").arg(d));
    }
    EXPECT_EQ(simulator.requestCount(), 0u);
    EXPECT_TRUE(sink.statuses.empty());
}

TEST_F(TransferRun, APortThatNeverOpensIsTriedTenTimes) {
    wirelink::QtSerialCommPort missing;
    wirelink::Wirelink unopenable(missing, nullptr, &clock);
    settings.portName = test::MissingPortName();
    yes();
    ASSERT_EQ(commands(unopenable).mnufileget(), TransferOutcome::PortNotOpened);
    EXPECT_EQ(waits, std::vector<int>(10, 1000));
    // Each failed attempt is told with its reason; the message ends with the reason.
    const QString reason = test::MissingPortName() + ": This port does not exist.";
    ASSERT_EQ(sink.statuses.size(), 11u);
    EXPECT_EQ(sink.statuses[0], "Receiving...In progress");
    for (int attempt = 1; attempt <= 10; ++attempt) {
        EXPECT_TRUE(sink.statuses[static_cast<std::size_t>(attempt)].startsWith(
            QStringLiteral("Opening the port failed (attempt %1 of 10): ").arg(attempt) + reason))
            << sink.statuses[static_cast<std::size_t>(attempt)].toStdString();
    }
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Error Opening commport.\n\n" + reason))
        << messages()[0].toStdString();
    EXPECT_EQ(sink.running.back(), false);
    EXPECT_FALSE(unopenable.PortOpen());
}

// An infrared opening that stops after the port opened (a rate the adapter has no code for)
// must not count as open on the next attempt: every attempt runs the whole sequence.
TEST_F(TransferRun, AnInfraredOpeningThatStopsHalfWayIsRetriedFromTheStart) {
    wirelink::FakeCommPort adapter(clock);
    wirelink::Wirelink infrared(adapter, nullptr, &clock);
    settings.useInfrared = true;
    settings.baudRate = QStringLiteral("600");
    yes();
    ASSERT_EQ(commands(infrared).mnufileget(), TransferOutcome::PortNotOpened);
    EXPECT_EQ(adapter.openCount(), 10);
    EXPECT_EQ(waits, std::vector<int>(10, 1000));
    EXPECT_TRUE(adapter.frames().empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Error Opening commport.\n\nsimulator: Invalid Baud Rate"))
        << messages()[0].toStdString();
    EXPECT_EQ(sink.statuses.size(), 11u);
    EXPECT_FALSE(infrared.PortOpen());
}

TEST_F(TransferRun, AnUnprogrammedInfraredAdapterIsNeverTalkedTo) {
    sim::SimulatedCommPort adapter{simulator, clock};
    adapter.setInfraredAdapter(true);
    wirelink::Wirelink infrared(adapter, nullptr, &clock);
    settings.useInfrared = true;
    settings.baudRate = QStringLiteral("600");
    yes();
    ASSERT_EQ(commands(infrared).mnufilesend(), TransferOutcome::PortNotOpened);
    EXPECT_EQ(simulator.requestCount(), 0u);
    EXPECT_EQ(requestsAtWait, std::vector<std::uint64_t>(10, 0));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Error Opening commport.\n\n"));
    EXPECT_FALSE(infrared.PortOpen());
}

// A receive that fails, whether the port never opens or the analyser refuses half way,
// leaves the editor as it was: its values, names, changed marks and undo history.
TEST_F(TransferRun, AFailedReceiveLeavesTheEditorAsItWas) {
    wirelink::QtSerialCommPort missing;
    wirelink::Wirelink unopenable(missing, nullptr, &clock);
    struct Case {
        const char* name;
        wirelink::Wirelink* on;
        QString port;
        const char* fault;
        TransferOutcome outcome;
    };
    for (const Case& c : {Case{"port never opens", &unopenable, test::MissingPortName(), "",
                               TransferOutcome::PortNotOpened},
                          Case{"refused half way", &link, "simulator", "fail=34,from=10,count=0",
                               TransferOutcome::Failed}}) {
        SCOPED_TRACE(c.name);
        documents::EditJournal journal(s.form(), s.session->documents());
        s.session->documents().setFileName(2, QStringLiteral("/work/site.hdr"));
        form::TextItem& header = s.form().text("txtheaderline", 1);
        const QString typed = QStringLiteral("Boiler room ") + c.name;
        {
            const form::UserEdit edit(header);
            header.setText(typed);
        }
        ASSERT_TRUE(journal.canUndo());
        ASSERT_TRUE(s.session->documents()[2].Dirty());
        const int changed = s.session->changes().changeCount();
        ASSERT_GT(changed, 0);
        // The fault case comes last: its fault stays in force.
        if (*c.fault != '\0') {
            simulator.addFault(sim::ParseFaultSpec(QString::fromLatin1(c.fault)));
        }
        settings.portName = c.port;
        yes();
        s.prompts.queueAnswer(PromptAnswer::No);  // the header is not saved first

        EXPECT_EQ(commands(*c.on).mnufileget(), c.outcome);

        EXPECT_EQ(header.text(), typed);
        EXPECT_TRUE(s.session->documents()[2].Dirty());
        EXPECT_EQ(s.session->documents()[2].FileName(), "/work/site.hdr");
        EXPECT_EQ(s.session->changes().changeCount(), changed);
        EXPECT_TRUE(journal.canUndo());
        s.prompts.clear();
    }
}

// A port that does not open: while it tries and at the end the user reads why, with what the
// window offers to mend it, never a command-line option.
TEST_F(TransferRun, APortThatDoesNotOpenSaysWhyInTheWindowsTerms) {
    const QString notAPort = s.folder.filePath(QStringLiteral("notaport"));
    {
        QFile file(notAPort);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    wirelink::QtSerialCommPort serial;
    wirelink::FakeCommPort modemless(clock);
    modemless.setModemLines(false);
    struct Case {
        const char* name;
        wirelink::CommPort* port;
        QString path;
        bool infrared;
        std::size_t attempts;
        QString reason;
        const char* remedy;
    };
    for (const Case& c :
         {Case{"missing", &serial, test::MissingPortName(), false, 10,
               test::MissingPortName() + ": This port does not exist.", "from the list"},
          Case{"a file", &serial, notAPort, false, 1, ": This is not a serial port.",
               "Choose the analyser's port"},
          Case{"no modem lines", &modemless, "/dev/kilnward-modemless", true, 1,
               "/dev/kilnward-modemless: This port cannot power an infrared adapter.",
               "cable connection in the serial settings"}}) {
        SCOPED_TRACE(c.name);
        wirelink::Wirelink on(*c.port, nullptr, &clock);
        settings.portName = c.path;
        settings.useInfrared = c.infrared;
        sink.statuses.clear();
        s.prompts.clear();
        TransferSession transfer(on, settings, s.driver(), s.session->messageBoxes(), sink);
        transfer.setWait([](int) {});

        EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::PortNotOpened);

        ASSERT_EQ(sink.statuses.size(), c.attempts);
        const QString& last = sink.statuses.back();
        EXPECT_TRUE(last.startsWith(
            QStringLiteral("Opening the port failed (attempt %1 of 10): ").arg(c.attempts)))
            << last.toStdString();
        ASSERT_EQ(messages().size(), 1u);
        const QString message = messages()[0];
        for (const QString& told : {last, message}) {
            EXPECT_TRUE(told.contains(c.reason)) << told.toStdString();
            EXPECT_TRUE(told.contains(QLatin1String(c.remedy))) << told.toStdString();
            EXPECT_FALSE(told.contains(QLatin1String("--"))) << told.toStdString();
        }
    }
}

TEST_F(TransferRun, SetClockOnAPortThatDoesNotOpenFailsAtOnce) {
    wirelink::QtSerialCommPort missing;
    wirelink::Wirelink unopenable(missing, nullptr, &clock);
    settings.portName = test::MissingPortName();
    yes();
    ASSERT_EQ(commands(unopenable).mnuconfiguresetclock(), TransferOutcome::Failed);
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(sink.statuses.back(), "Setting clock...Failed");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0], "Error Opening commport.");
}

TEST_F(TransferRun, ATimeoutHalfWayReportsTheFailureAndReleasesTheLink) {
    simulator.addFault(sim::ParseFaultSpec("silent,from=30,count=0"));
    yes();
    ASSERT_EQ(commands().mnufileget(), TransferOutcome::Failed);
    EXPECT_EQ(sink.statuses.back(), "Receiving...Failed");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Timeout")) << messages()[0].toStdString();
    expectLinkReleasedAndClosed();
}

TEST_F(TransferRun, AFailedWriteLeavesTheBlocksWrittenBefore) {
    const ByteBuffer before(2048, 0x11);
    loadSector(before);
    // Request 1 is remote mode, 2..65 the reads, 66 the transaction start; then ten writes.
    simulator.addFault(sim::ParseFaultSpec("fail=21,from=77,count=0"));
    yes();
    ASSERT_EQ(commands().mnufilesend(), TransferOutcome::Failed);
    EXPECT_EQ(sink.statuses.back(), "Sending...Failed");
    EXPECT_NE(sector()[2], 0x11);
    EXPECT_EQ(sector()[2047], 0x11);
    // The analyser is left as it is, and the report says what that means.
    EXPECT_TRUE(simulator.state().inWriteTransaction());
    EXPECT_TRUE(simulator.state().remoteMode());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains("partly written configuration"))
        << messages()[0].toStdString();
    expectLinkReleasedAndClosed();
}

// A window whose Abort button is clicked while the transfer lets events run.
class ClickingAbort : public wirelink::Host {
  public:
    void processEvents() override {
        if (session != nullptr && session->running()) {
            session->cancel();
        }
    }
    TransferSession* session = nullptr;
};

TEST_F(TransferRun, AbortWhileEventsRunEndsTheTransferWithTheCancelError) {
    ClickingAbort window;
    wirelink::Wirelink permissive(port, &window, &clock);
    permissive.setPermitsEvents(true);
    TransferSession session(permissive, settings, s.driver(), s.session->messageBoxes(), sink);
    session.setWait([](int) {});
    window.session = &session;
    EXPECT_EQ(session.getconfiguration(s.form()), TransferOutcome::Failed);
    ASSERT_TRUE(session.failure().has_value());
    EXPECT_EQ(session.failure()->code,
              wirelink::StatusOf(wirelink::WLink_errors::WLerr_cancelledsend));
    EXPECT_EQ(sink.statuses.back(), "Receiving...Failed");
    EXPECT_EQ(messages().size(), 1u);
    // Cancelled after remote mode went on: it is switched off again before the link closes.
    EXPECT_FALSE(simulator.state().remoteMode());
    EXPECT_FALSE(permissive.PortOpen());
    EXPECT_FALSE(permissive.Checkflow(kAddr));
}

// Runs the transfers straight on a session, so a test can repeat them without the
// commands' questions.
class SessionRun : public TransferRun {
  protected:
    TransferSession session(wirelink::Wirelink& on) {
        TransferSession made(on, settings, s.driver(), s.session->messageBoxes(), sink);
        made.setWait([](int) {});
        made.setClock(SentTime);
        return made;
    }
    // A fault from the request `ahead` requests after the next one on.
    void faultAhead(const QString& spec, std::uint64_t ahead) {
        simulator.addFault(sim::ParseFaultSpec(
            spec + QStringLiteral(",at=%1").arg(simulator.requestCount() + 1 + ahead)));
    }
};

TEST_F(SessionRun, LateAnswersNeverShiftTheSector) {
    ByteBuffer analyser = NoiseSector(7);
    EncodeConfigSector(s.form(), s.driver(), analyser);
    loadSector(analyser);
    TransferSession transfer = session(link);
    // Once, three in a row, later and longer: each receive is right or fails, never shifted.
    for (const auto& [spec, ahead] : {std::pair{QStringLiteral("late=1200"), 10},
                                      std::pair{QStringLiteral("late=1200,count=3"), 20},
                                      std::pair{QStringLiteral("late=1900,count=2"), 40},
                                      std::pair{QStringLiteral("late=1200"), 64}}) {
        faultAhead(spec, static_cast<std::uint64_t>(ahead));
        const TransferOutcome outcome = transfer.getconfiguration(s.form());
        ASSERT_NE(outcome, TransferOutcome::PortNotOpened);
        if (outcome == TransferOutcome::Done) {
            EXPECT_EQ(transfer.image(), sector()) << spec.toStdString();
        } else {
            EXPECT_TRUE(transfer.failure()->message.contains("did not agree"))
                << spec.toStdString() << ": " << transfer.failure()->message.toStdString();
        }
        EXPECT_GT(link.TimedOutAttempts(), 0u);
        EXPECT_FALSE(simulator.state().remoteMode());
    }
    // A single late answer is read again and comes out right.
    faultAhead(QStringLiteral("late=1200"), 12);
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Done);
    EXPECT_EQ(transfer.image(), sector());
}

TEST_F(SessionRun, AFailedReceiveOrClockSwitchesRemoteModeOff) {
    TransferSession transfer = session(link);
    // Four silent attempts at the 30th request: the receive fails half way.
    faultAhead(QStringLiteral("silent,count=4"), 30);
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Failed);
    EXPECT_FALSE(simulator.state().remoteMode());
    // The clock write refused: remote mode is switched off as well.
    faultAhead(QStringLiteral("fail=21"), 0);
    EXPECT_EQ(transfer.setclock(), TransferOutcome::Failed);
    EXPECT_EQ(simulator.requestCount() - 1, 2u + 30 + 4 + 2);
    EXPECT_FALSE(simulator.state().remoteMode());
    EXPECT_FALSE(link.PortOpen());
}

TEST_F(SessionRun, AReadBackThatFailsSaysTheWriteEndedAndSwitchesRemoteModeOff) {
    TransferSession transfer = session(link);
    // The send's 226 requests, remote mode on for the read-back, then four silent attempts.
    faultAhead(QStringLiteral("silent,count=4"), 226 + 2 + 10);
    EXPECT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    ASSERT_TRUE(transfer.failure().has_value());
    EXPECT_TRUE(transfer.failure()->advice.startsWith(
        "The configuration was written, but reading it back to check it failed"))
        << transfer.failure()->advice.toStdString();
    EXPECT_FALSE(simulator.state().inWriteTransaction());
    EXPECT_FALSE(simulator.state().remoteMode());
}

TEST_F(SessionRun, WithRaiseErrorsFalseFailuresAreStillFailures) {
    link.setRaiseErrors(false);
    TransferSession transfer = session(link);
    faultAhead(QStringLiteral("silent,count=4"), 30);
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Failed);
    ASSERT_TRUE(transfer.failure().has_value());
    EXPECT_EQ(transfer.failure()->code,
              wirelink::StatusOf(wirelink::WLink_errors::WLerr_timeouterror));
    EXPECT_EQ(sink.statuses.back(), "Receiving...Failed");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Timeout error on instrument addr : 0x03"));
    faultAhead(QStringLiteral("fail=21"), 2);
    EXPECT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    EXPECT_EQ(transfer.failure()->code,
              wirelink::StatusOf(wirelink::WLink_errors::WLerrFAIL_CMDUNKNOW));
    EXPECT_TRUE(transfer.failure()->message.contains("Command 0x5C00"));
}

TEST_F(SessionRun, UnknownListBytesAreReportedAfterTheReceive) {
    const auto fields = testing::ManagedFields(s);
    const auto list = std::find_if(fields.begin(), fields.end(), [](const auto& placed) {
        return placed.field.kind == FieldKind::ListByte && placed.field.rule == FieldRule::Plain;
    });
    ASSERT_NE(list, fields.end());
    ByteBuffer analyser(2048, 0);
    EncodeConfigSector(s.form(), s.driver(), analyser);
    analyser[static_cast<std::size_t>(list->offset)] = 200;
    loadSector(analyser);
    TransferSession transfer = session(link);
    ASSERT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Done);
    ASSERT_EQ(transfer.warnings().size(), 1);
    EXPECT_TRUE(transfer.warnings()[0].startsWith("Unknown value 200 received for "));
    EXPECT_TRUE(transfer.warnings()[0].contains(QString::fromLatin1(list->field.control)));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], transfer.warnings()[0] + ".") << messages()[0].toStdString();
}

TEST_F(TransferRun, SettingsAreReadAtEveryCommand) {
    settings.portName = test::MissingPortName();
    TransferCommands run(
        *s.session, link, [this] { return settings; }, sink);
    run.setWait([](int) {});
    yes();
    EXPECT_EQ(run.mnuconfiguresetclock(), TransferOutcome::Done);
    EXPECT_EQ(port.portName(), test::MissingPortName().toStdString());
    settings.portName = QStringLiteral("simulator");
    settings.baudRate = QStringLiteral("19200");
    yes();
    EXPECT_EQ(run.mnuconfiguresetclock(), TransferOutcome::Done);
    EXPECT_EQ(port.portName(), "simulator");
    EXPECT_EQ(port.settings(), "19200,n,8,1");
}

TEST_F(TransferRun, AbortDuringTheOpeningAttemptsEndsTheTransferAsCancelled) {
    wirelink::QtSerialCommPort missing;
    wirelink::Wirelink unopenable(missing, nullptr, &clock);
    settings.portName = test::MissingPortName();
    TransferSession transfer(unopenable, settings, s.driver(), s.session->messageBoxes(), sink);
    int pauses = 0;
    transfer.setWait([&](int) {
        if (++pauses == 3) {
            transfer.cancel();
        }
    });
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Failed);
    EXPECT_EQ(pauses, 3);
    ASSERT_TRUE(transfer.failure().has_value());
    EXPECT_EQ(transfer.failure()->code,
              wirelink::StatusOf(wirelink::WLink_errors::WLerr_cancelledsend));
    EXPECT_EQ(sink.statuses.back(), "Receiving...Failed");
    EXPECT_EQ(messages(), std::vector<QString>{"Operation cancelled."});
}

TEST_F(TransferRun, AbortDuringTheDefaultPauseEndsTheTransferAtOnce) {
    wirelink::QtSerialCommPort missing;
    wirelink::Wirelink unopenable(missing);
    settings.portName = test::MissingPortName();
    TransferSession transfer(unopenable, settings, s.driver(), s.session->messageBoxes(), sink);
    // The Abort button, clicked while the first pause runs the window's events.
    QTimer::singleShot(200, [&transfer] { transfer.cancel(); });
    QElapsedTimer took;
    took.start();
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Failed);
    EXPECT_LT(took.elapsed(), 700);
    EXPECT_EQ(transfer.failure()->code,
              wirelink::StatusOf(wirelink::WLink_errors::WLerr_cancelledsend));
}

TEST_F(TransferRun, AnOpeningThatSucceedsOnARetryReportsNoFailure) {
    // A port that refuses its first opening, then talks to an analyser.
    wirelink::FakeCommPort flaky(clock);
    flaky.failNextOpen(wirelink::PortError::HardwareNotAvailable, "busy for a moment");
    flaky.setResponder([this](const ByteBuffer& frame) {
        simulator.receive(frame, clock.now());
        ByteBuffer answer;
        while (const auto due = simulator.nextOutputTime()) {
            const ByteBuffer part = simulator.takeOutput(*due);
            answer.insert(answer.end(), part.begin(), part.end());
        }
        return wirelink::FakeCommPort::Answer(answer);
    });
    wirelink::Wirelink retried(flaky, nullptr, &clock);
    TransferSession transfer(retried, settings, s.driver(), s.session->messageBoxes(), sink);
    int pauses = 0;
    transfer.setWait([&pauses](int) { ++pauses; });
    EXPECT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Done);
    EXPECT_EQ(pauses, 2);
    EXPECT_FALSE(transfer.failure().has_value());
    EXPECT_TRUE(messages().empty());
}

// Every write leaves, beside its backup, the sector as written and the record of the write;
// a record that cannot be kept is a warning, never a failed send: the analyser was written.
TEST_F(SessionRun, AWriteKeepsTheWrittenSectorAndItsRecordBesideTheBackup) {
    ByteBuffer analyser = NoiseSector(5);
    EncodeConfigSector(s.form(), s.driver(), analyser);
    loadSector(analyser);
    std::vector<WriteRecord> records;
    TransferSession transfer = session(link);
    transfer.setAfterWrite([&records](const WriteRecord& record) {
        records.push_back(record);
        return QStringLiteral("/records/report.pdf");
    });

    ASSERT_EQ(transfer.getconfiguration(s.form()), TransferOutcome::Done);
    EXPECT_TRUE(records.empty()) << "a receive writes nothing";
    RandomConfiguration(s, 5);
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Done);

    ASSERT_EQ(records.size(), 1u);
    const WriteRecord& sent = records.front();
    EXPECT_EQ(sent.kind, TransferKind::Send);
    EXPECT_EQ(sent.model, kModel);
    EXPECT_EQ(sent.addr, kAddr);
    EXPECT_EQ(sent.port, "simulator");
    EXPECT_EQ(sent.before, analyser);
    EXPECT_EQ(sent.written, sector());
    EXPECT_EQ(sent.verify, VerifyOutcome::Kept);
    EXPECT_EQ(sent.backupPath, transfer.backupPath());
    EXPECT_TRUE(sent.time.isValid());
    const QByteArray after = test::ReadBytes(WrittenSectorPath(transfer.backupPath()));
    EXPECT_EQ(ByteBuffer(after.begin(), after.end()), sector());
    EXPECT_TRUE(WrittenSectorPath(transfer.backupPath()).endsWith(".after"));
    EXPECT_EQ(transfer.reportPath(), "/records/report.pdf");
    EXPECT_EQ(sink.statuses.end()[-2], "Service report kept in /records/report.pdf");
    EXPECT_EQ(sink.statuses.back(), "Sending...Done, verified");
    EXPECT_TRUE(transfer.warnings().isEmpty());
}

TEST_F(SessionRun, ARecordThatCannotBeKeptIsAWarningAndTheSendStaysDone) {
    TransferSession transfer = session(link);
    transfer.setAfterWrite(
        [](const WriteRecord&) -> QString { throw std::runtime_error("the disk is full"); });
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Done);
    EXPECT_FALSE(transfer.failure().has_value());
    ASSERT_EQ(transfer.warnings().size(), 1);
    EXPECT_EQ(transfer.warnings()[0],
              "The analyser was written, but its service report could not be kept: the disk is "
              "full");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith(transfer.warnings()[0]));
    EXPECT_EQ(sink.statuses.back(), "Sending...Done, verified");
    EXPECT_TRUE(transfer.reportPath().isEmpty());
}

TEST_F(SessionRun, TheRecordSaysWhatTheReadBackFoundAndAFailureBeforeTheWriteKeepsNone) {
    std::vector<WriteRecord> records;
    TransferSession transfer = session(link);
    transfer.setAfterWrite([&records](const WriteRecord& record) {
        records.push_back(record);
        return QStringLiteral("report.pdf");
    });
    // The analyser acknowledges block 2 of the write but drops it.
    simulator.addFault(sim::ParseFaultSpec(QStringLiteral("dropwrite=2")));
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].verify, VerifyOutcome::Differs);
    EXPECT_EQ(records[0].verifyError.in(s.translator), transfer.failure()->message);
    EXPECT_NE(records[0].written, sector());

    // The read-back is what the analyser holds after the write.
    EXPECT_EQ(records[0].readBack, sector());
    EXPECT_EQ(records[0].after(), sector());

    // Refused before the write: nothing was written, so no record.
    faultAhead(QStringLiteral("fail=21"), 10);
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    EXPECT_EQ(records.size(), 1u);

    // Refused in the write transaction: the record says how far the write got.
    faultAhead(QStringLiteral("fail=21"), 70);
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[1].complete);
    EXPECT_EQ(records[1].blocks, 76);
    EXPECT_GT(records[1].blocksWritten, 0);
    EXPECT_LT(records[1].blocksWritten, 76);
    EXPECT_EQ(records[1].writtenEnd, 2 + 27 * records[1].blocksWritten);
    EXPECT_TRUE(records[1].readBack.empty());
    EXPECT_EQ(records[1].verify, VerifyOutcome::NotChecked);

    settings.verifyAfterSend = false;
    TransferSession unchecked = session(link);
    unchecked.setAfterWrite([&records](const WriteRecord& record) {
        records.push_back(record);
        return QStringLiteral("report.pdf");
    });
    ASSERT_EQ(unchecked.sendconfiguration(s.form()), TransferOutcome::Done);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].verify, VerifyOutcome::NotChecked);
    EXPECT_TRUE(records[2].complete);
}

// What the analyser did not keep is named as the user finds it: tabs and caption, no keys.
TEST_F(SessionRun, AReadBackThatDiffersNamesTheFieldsByTheirTabsAndCaptions) {
    TransferSession transfer = session(link);
    // Block 2 (bytes 29 to 55) is acknowledged and dropped: the printer settings and the
    // first header line.
    simulator.addFault(sim::ParseFaultSpec(QStringLiteral("dropwrite=2")));
    ASSERT_EQ(transfer.sendconfiguration(s.form()), TransferOutcome::Failed);
    const QString message = transfer.failure()->message;
    EXPECT_TRUE(message.contains("Printer / Header / Header line 1")) << message.toStdString();
    EXPECT_TRUE(message.contains(" / Copies number")) << message.toStdString();
    EXPECT_FALSE(message.contains("frmMain!")) << message.toStdString();
}

}  // namespace
}  // namespace kilnward::transfer
