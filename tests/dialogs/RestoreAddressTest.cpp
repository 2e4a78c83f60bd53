// The window's restore asks about the address it writes to when the backup was taken at
// another one, and writes nothing when the user says no.

#include "dialogs/frmadvance.h"
#include "tests/dialogs/TransferFixture.h"
#include "transfer/SectorBackup.h"

namespace kilnward::dialogs {
namespace {

using testing::TransferDialogTest;

class RestoreAddressTest : public TransferDialogTest {
  protected:
    transfer::SectorBackup backupOf(std::uint8_t addr) const {
        return {kModel,
                addr,
                QStringLiteral("2.0.22"),
                QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)),
                wirelink::ByteBuffer(2048, 0x5A),
                {}};
    }
    QString question() const {
        for (auto it = windowPrompts.records().rbegin(); it != windowPrompts.records().rend();
             ++it) {
            if (it->kind == app::ScriptedPrompts::Kind::Question) {
                return it->text;
            }
        }
        return QString();
    }
};

TEST_F(RestoreAddressTest, TheQuestionNamesBothAddressesWhenTheyDiffer) {
    const struct {
        std::uint8_t backupAddr;
        bool namesBoth;
    } cases[] = {{7, true}, {kAddr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.backupAddr);
        windowPrompts.queueAnswer(app::PromptAnswer::No);
        EXPECT_EQ(dialog->runRestore(backupOf(c.backupAddr)), std::nullopt);
        const QString asked = question();
        EXPECT_EQ(asked.contains(QStringLiteral("backup of address %1 into the analyser at "
                                                "address %2")
                                     .arg(c.backupAddr)
                                     .arg(kAddr)),
                  c.namesBoth)
            << asked.toStdString();
        EXPECT_TRUE(asked.contains(QStringLiteral("address %1").arg(c.backupAddr)))
            << asked.toStdString();
    }
}

}  // namespace
}  // namespace kilnward::dialogs
