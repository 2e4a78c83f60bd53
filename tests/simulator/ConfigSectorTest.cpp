#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

#include "simulator/ConfigSector.h"
#include "tests/support/FileSizeLimit.h"

namespace kilnward::sim {
namespace {

TEST(ConfigSectorTest, SaveAndLoadRoundTrip) {
    QTemporaryDir dir;
    ConfigSector sector;
    const std::uint8_t bytes[] = {1, 2, 3};
    sector.write(2045, bytes, 3);
    const QString path = dir.filePath("image.bin");
    sector.save(path);
    EXPECT_EQ(QFileInfo(path).size(), 2048);
    ConfigSector loaded;
    loaded.load(path);
    EXPECT_EQ(loaded.bytes(), sector.bytes());
    EXPECT_EQ(loaded.read(2045, 3), (wirelink::ByteBuffer{1, 2, 3}));
}

TEST(ConfigSectorTest, ShortWriteFailsAndKeepsThePreviousImage) {
    QTemporaryDir dir;
    ConfigSector first;
    const std::uint8_t one[] = {1};
    first.write(0, one, 1);
    const QString path = dir.filePath("image.bin");
    first.save(path);
    ConfigSector second;
    const std::uint8_t two[] = {2};
    second.write(0, two, 1);
    {
        test::FileSizeLimit limit(1024);  // the disk fills up halfway through the image
        EXPECT_THROW(second.save(path), std::runtime_error);
    }
    ConfigSector loaded;
    loaded.load(path);
    EXPECT_EQ(loaded.bytes(), first.bytes());
}

TEST(ConfigSectorTest, RejectsImagesOfAnotherSize) {
    QTemporaryDir dir;
    for (int size : {0, 2047, 2049}) {
        const QString path = dir.filePath(QString("image%1.bin").arg(size));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
        file.close();
        ConfigSector sector;
        EXPECT_THROW(sector.load(path), std::runtime_error) << size;
        EXPECT_EQ(sector.bytes(), wirelink::ByteBuffer(2048, 0));
    }
    ConfigSector sector;
    EXPECT_THROW(sector.load(dir.filePath("missing.bin")), std::runtime_error);
}

TEST(ConfigSectorTest, RangeCheckDoesNotOverflow) {
    EXPECT_TRUE(ConfigSector::contains(0, 2048));
    EXPECT_TRUE(ConfigSector::contains(2048, 0));
    EXPECT_FALSE(ConfigSector::contains(2047, 2));
    EXPECT_FALSE(ConfigSector::contains(0xFFFFFFFF, 2));
    ConfigSector sector;
    EXPECT_THROW(sector.read(2040, 9), std::out_of_range);
}

}  // namespace
}  // namespace kilnward::sim
