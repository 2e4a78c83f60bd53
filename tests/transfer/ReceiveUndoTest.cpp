// A receive is one step of the window's undo history: undoing it brings back the values,
// the documents' names and changed state, and the changed marks it replaced.

#include <gtest/gtest.h>

#include "documents/EditJournal.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "form/UserEdit.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/SimulatedCommPort.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/ProgressSink.h"
#include "transfer/SectorMap.h"
#include "transfer/TransferCommands.h"
#include "wirelink/FakeClock.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {
namespace {

using testing::NoiseSector;
using testing::RandomConfiguration;
using testing::SessionFixture;

constexpr std::uint8_t kModel = 12;
constexpr std::uint8_t kAddr = 3;

class QuietSink : public ProgressSink {
  public:
    void setProgress(int /*percent*/) override {}
    void setStatus(const QString& /*text*/) override {}
};

class ReceiveUndo : public ::testing::Test {
  protected:
    void SetUp() override {
        s.chooseModel(kModel);
        settings.portName = QStringLiteral("simulator");
        settings.addr = kAddr;
        SessionFixture other;
        other.chooseModel(kModel);
        RandomConfiguration(other, 9);
        wirelink::ByteBuffer analyser = NoiseSector(9);
        EncodeConfigSector(other.form(), other.driver(), analyser);
        simulator.state().sector().write(0, analyser.data(), analyser.size());
    }

    std::optional<TransferOutcome> receive() {
        TransferCommands run(*s.session, link, settings, sink);
        run.setWait([](int) {});
        return run.mnufileget();
    }
    documents::Documents& documents() { return s.session->documents(); }

    SessionFixture s;
    LinkSettings settings;
    wirelink::FakeClock clock;
    sim::AnalyserSimulator simulator{kModel, kAddr, clock.now(),
                                     QDateTime(QDate(2026, 1, 2), QTime(3, 4))};
    sim::SimulatedCommPort port{simulator, clock};
    wirelink::Wirelink link{port, nullptr, &clock};
    QuietSink sink;
};

TEST_F(ReceiveUndo, UndoOfAReceiveRestoresThePreviousValuesMarksAndDocuments) {
    documents::EditJournal journal(*s.session);
    const QString fuels = s.folder.filePath(QStringLiteral("kept.fue"));
    ASSERT_TRUE(s.session->files().SaveDocuments({{documents::kFuelsDocument, fuels}}));
    form::NumericItem& threshold = s.form().numeric("TDBNumCOthrs");
    form::TextItem& header = s.form().text("txtheaderline", 1);
    const QString headerBefore = header.text();
    {
        const form::UserEdit edit(threshold);
        threshold.setValue(threshold.value() == 321 ? 322 : 321);
    }
    const auto edited = threshold.value();
    ASSERT_TRUE(s.session->changes().isChanged(threshold));
    s.prompts.queueAnswer(app::PromptAnswer::Yes);  // receive
    s.prompts.queueAnswer(app::PromptAnswer::No);   // the changed configuration is not saved

    ASSERT_EQ(receive(), TransferOutcome::Done);
    const auto received = threshold.value();
    const QString headerReceived = header.text();
    ASSERT_NE(received, edited);
    ASSERT_EQ(journal.count(), 2);
    EXPECT_STREQ(journal.step(1).english, "Receive");
    EXPECT_FALSE(s.session->changes().isChanged(threshold));

    journal.undo();
    EXPECT_EQ(threshold.value(), edited);
    EXPECT_EQ(header.text(), headerBefore);
    EXPECT_TRUE(documents()[documents::kConfigurationDocument].Dirty());
    EXPECT_EQ(documents()[documents::kFuelsDocument].FileName(), fuels);
    EXPECT_FALSE(documents()[documents::kFuelsDocument].Dirty());
    EXPECT_TRUE(s.session->changes().isChanged(threshold));

    journal.redo();
    EXPECT_EQ(threshold.value(), received);
    EXPECT_EQ(header.text(), headerReceived);
    EXPECT_TRUE(documents()[documents::kFuelsDocument].FileName().isEmpty());
    EXPECT_FALSE(s.session->changes().isChanged(threshold));

    // Back before the receive and on to the edit: the history goes on from there.
    journal.undo();
    journal.undo();
    EXPECT_FALSE(documents()[documents::kConfigurationDocument].Dirty());
    EXPECT_FALSE(s.session->changes().isChanged(threshold));
}

}  // namespace
}  // namespace kilnward::transfer
