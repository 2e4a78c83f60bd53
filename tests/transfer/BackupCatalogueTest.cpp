// The backups folder as a list: newest first, filtered by model and address, damaged files
// named and left out, the newest of each analyser known, deletion taking the files kept
// beside a backup; and the count of fields a write changed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TransferFixture.h"
#include "app/EnglishTranslator.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "tests/support/FileBytes.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/BackupChangeCount.h"
#include "transfer/SectorBackup.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {
namespace {

QDateTime At(int day, int hour, int offsetHours = 0) {
    return QDateTime(QDate(2026, 5, day), QTime(hour, 0), Qt::OffsetFromUTC, offsetHours * 3600);
}

class BackupCatalogueTest : public ::testing::Test {
  protected:
    QString keep(std::uint8_t model, std::uint8_t addr, const QDateTime& time) {
        const SectorBackup backup{model, addr, "2.0", time, wirelink::ByteBuffer(2048, 0), {}};
        return WriteSectorBackup(backup, folder.path(), translator);
    }
    QStringList listed(const BackupFilter& filter) const {
        const BackupCatalogue catalogue(folder.path(), translator);
        QStringList names;
        for (const BackupEntry& entry : catalogue.filtered(filter)) {
            names << QFileInfo(entry.path).fileName();
        }
        return names;
    }

    QTemporaryDir folder;
    mutable app::EnglishTranslator translator;
};

TEST_F(BackupCatalogueTest, NewestFirstAndFilteredByModelAndAddress) {
    keep(10, 1, At(3, 9));
    keep(12, 1, At(5, 9));
    keep(10, 2, At(4, 9));
    // The same moment told at another offset is still the earlier one: 08:00 UTC.
    keep(10, 1, At(4, 10, 2));
    // Two in one second: the one kept later (numbered) comes first.
    keep(10, 1, At(6, 9));
    keep(10, 1, At(6, 9));
    struct {
        BackupFilter filter;
        QStringList names;
    } cases[] = {
        {{},
         {"Harrier-530_addr1_2026-05-06_090000_2.kwb", "Harrier-530_addr1_2026-05-06_090000.kwb",
          "Osprey-560_addr1_2026-05-05_090000.kwb", "Harrier-530_addr2_2026-05-04_090000.kwb",
          "Harrier-530_addr1_2026-05-04_100000.kwb", "Harrier-530_addr1_2026-05-03_090000.kwb"}},
        {{10, std::nullopt},
         {"Harrier-530_addr1_2026-05-06_090000_2.kwb", "Harrier-530_addr1_2026-05-06_090000.kwb",
          "Harrier-530_addr2_2026-05-04_090000.kwb", "Harrier-530_addr1_2026-05-04_100000.kwb",
          "Harrier-530_addr1_2026-05-03_090000.kwb"}},
        {{std::nullopt, 2}, {"Harrier-530_addr2_2026-05-04_090000.kwb"}},
        {{12, 1}, {"Osprey-560_addr1_2026-05-05_090000.kwb"}},
        {{12, 2}, {}},
        {{99, std::nullopt}, {}},
    };
    for (int i = 0; i < 11; ++i) {
        keep(10, 3, At(7, 9));
    }
    const QStringList numbered = listed({10, 3});
    ASSERT_EQ(numbered.size(), 11);
    EXPECT_EQ(numbered.mid(0, 3), QStringList({"Harrier-530_addr3_2026-05-07_090000_11.kwb",
                                               "Harrier-530_addr3_2026-05-07_090000_10.kwb",
                                               "Harrier-530_addr3_2026-05-07_090000_9.kwb"}));
    EXPECT_EQ(numbered.last(), "Harrier-530_addr3_2026-05-07_090000.kwb");
    for (auto& c : cases) {
        if (!c.filter.addr) {
            // The eleven of address 3 lead the lists they belong to.
            c.names = listed({c.filter.model, 3}) + c.names;
        }
    }
    for (const auto& c : cases) {
        EXPECT_EQ(listed(c.filter), c.names) << (c.filter.model ? int(*c.filter.model) : -1) << "/"
                                             << (c.filter.addr ? int(*c.filter.addr) : -1);
    }
}

TEST_F(BackupCatalogueTest, FilesThatAreNoBackupAreNamedAndLeftOut) {
    keep(10, 1, At(3, 9));
    ASSERT_TRUE(test::WriteBytes(folder.filePath("broken.kwb"), "KILNWARD SECTOR BACKUP 1\n"));
    ASSERT_TRUE(test::WriteBytes(folder.filePath("notes.txt"), "not a backup at all"));
    const BackupCatalogue catalogue(folder.path(), translator);
    ASSERT_EQ(catalogue.entries().size(), 1u);
    ASSERT_EQ(catalogue.refused().size(), 1);
    EXPECT_TRUE(catalogue.refused().front().contains("broken.kwb"));

    const BackupCatalogue none(folder.filePath("missing"), translator);
    EXPECT_TRUE(none.entries().empty());
    EXPECT_TRUE(none.refused().isEmpty());
}

TEST_F(BackupCatalogueTest, TheNewestOfEachAnalyserIsKnownAndDeletingTakesItsCompanions) {
    const QString older = keep(10, 1, At(3, 9));
    const QString newest = keep(10, 1, At(4, 9));
    const QString other = keep(10, 2, At(2, 9));
    for (const QString& path : {BackupReportPath(newest), WrittenSectorPath(newest)}) {
        ASSERT_TRUE(test::WriteBytes(path, "x"));
    }
    EXPECT_TRUE(BackupReportPath(newest).endsWith("/Harrier-530_addr1_2026-05-04_090000.pdf"));
    EXPECT_TRUE(WrittenSectorPath(newest).endsWith("/Harrier-530_addr1_2026-05-04_090000.after"));

    BackupCatalogue catalogue(folder.path(), translator);
    const auto entry = [&catalogue](const QString& path) {
        for (const BackupEntry& e : catalogue.entries()) {
            if (e.path == path) {
                return e;
            }
        }
        ADD_FAILURE() << path.toStdString();
        return BackupEntry{};
    };
    EXPECT_TRUE(catalogue.isNewestOfAnalyser(entry(newest)));
    EXPECT_FALSE(catalogue.isNewestOfAnalyser(entry(older)));
    // The only backup of address 2 is its newest, however old.
    EXPECT_TRUE(catalogue.isNewestOfAnalyser(entry(other)));

    QString error;
    ASSERT_TRUE(catalogue.remove(entry(newest), error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(newest));
    EXPECT_FALSE(QFile::exists(BackupReportPath(newest)));
    EXPECT_FALSE(QFile::exists(WrittenSectorPath(newest)));
    ASSERT_EQ(catalogue.entries().size(), 2u);
    EXPECT_TRUE(catalogue.isNewestOfAnalyser(entry(older)));

    // A backup gone meanwhile cannot be deleted, and says so.
    const BackupEntry gone = entry(older);
    ASSERT_TRUE(QFile::remove(older));
    EXPECT_FALSE(catalogue.remove(gone, error));
    EXPECT_TRUE(error.contains(older)) << error.toStdString();
}

class BackupChangeCountTest : public testing::SessionFixture, public ::testing::Test {};

TEST_F(BackupChangeCountTest, CountsTheFieldsTheWrittenSectorChangedAndNoneWithoutIt) {
    chooseModel(10);
    wirelink::ByteBuffer before = testing::NoiseSector(3);
    EncodeConfigSector(form(), driver(), before);
    form().text(QStringLiteral("txtheaderline"), 1).setText(QStringLiteral("Caldaia 2"));
    form().numeric(QStringLiteral("TDBNumCOthrs")).setValue(1234);
    wirelink::ByteBuffer after = before;
    EncodeConfigSector(form(), driver(), after);

    QTemporaryDir backups;
    const QString path =
        WriteSectorBackup({10, 1, "2.0", At(3, 9), before, {}}, backups.path(), translator);
    EXPECT_EQ(BackupChangeCount(path, prompts, translator), std::nullopt);
    const auto bytes = [](const wirelink::ByteBuffer& sector) {
        return QByteArray(reinterpret_cast<const char*>(sector.data()),
                          static_cast<qsizetype>(sector.size()));
    };
    ASSERT_TRUE(test::WriteBytes(WrittenSectorPath(path), bytes(after)));
    EXPECT_EQ(BackupChangeCount(path, prompts, translator), 2);
    ASSERT_TRUE(test::WriteBytes(WrittenSectorPath(path), bytes(before)));
    EXPECT_EQ(BackupChangeCount(path, prompts, translator), 0);
    // A file of the wrong size is no written sector.
    ASSERT_TRUE(test::WriteBytes(WrittenSectorPath(path), bytes(after).chopped(1)));
    EXPECT_EQ(BackupChangeCount(path, prompts, translator), std::nullopt);
}

// The count follows the sector's bytes: a fuel past the fuel count counts when its bytes
// change; the fuels the count moves over, whose bytes stay, do not.
TEST_F(BackupChangeCountTest, CountsTheFieldsWhoseBytesChanged) {
    chooseModel(10);
    const struct {
        const char* name;
        int fuelsBefore;
        int fuelsAfter;
        const char* tenthBefore;
        const char* tenthAfter;
        int count;
    } cases[] = {
        {"the count grows over a fuel", 8, 9, "", "", 1},
        {"a fuel past the count renamed", 5, 5, "Biogas", "Methane", 1},
        {"both", 8, 9, "Hydrogen", "", 2},
    };
    const auto bytes = [](const wirelink::ByteBuffer& sector) {
        return QByteArray(reinterpret_cast<const char*>(sector.data()),
                          static_cast<qsizetype>(sector.size()));
    };
    QTemporaryDir backups;
    for (const auto& c : cases) {
        const auto sector = [this](int fuels, const char* tenth) {
            form().numeric(QStringLiteral("TDBNummaxfuels")).setValue(fuels);
            form().text(QStringLiteral("txtfuelname"), 8).setText(QStringLiteral("Wood pellets"));
            form().text(QStringLiteral("txtfuelname"), 9).setText(QString::fromUtf8(tenth));
            wirelink::ByteBuffer encoded(2048, 0);
            EncodeConfigSector(form(), driver(), encoded);
            return encoded;
        };
        const wirelink::ByteBuffer before = sector(c.fuelsBefore, c.tenthBefore);
        const wirelink::ByteBuffer after = sector(c.fuelsAfter, c.tenthAfter);
        const QString path =
            WriteSectorBackup({10, 1, "2.0", At(3, 9), before, {}}, backups.path(), translator);
        ASSERT_TRUE(test::WriteBytes(WrittenSectorPath(path), bytes(after)));
        EXPECT_EQ(BackupChangeCount(path, prompts, translator), c.count) << c.name;
    }
}

}  // namespace
}  // namespace kilnward::transfer
