// Saving keeps what the user made of the file on disk: a link stays a link and its target
// gets the text, the mode stays, a read-only file or a device is refused, and a set of files
// never names one file twice nor meets a file that happens to carry a temporary-looking name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

#include "TempFolder.h"
#include "app/AtomicFile.h"
#include "app/FileSetWriter.h"
#include "tests/support/NamedPipe.h"

using kilnward::app::FileSetWriter;

namespace {

mode_t ModeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

bool SetMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

mode_t Umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// One way of saving: the set writer with one file, or the single-file writer.
struct Saver {
    const char* name;
    std::function<bool(const QString& path, const QByteArray& bytes, QString& reason)> save;
};

void PrintTo(const Saver& saver, std::ostream* out) {
    *out << saver.name;
}

std::vector<Saver> Savers() {
    return {
        {"Set",
         [](const QString& path, const QByteArray& bytes, QString& reason) {
             FileSetWriter writer;
             writer.add(path, bytes);
             FileSetWriter::Failure failure;
             const bool saved = writer.commit(failure);
             reason = saved ? QString() : failure.reason;
             return saved;
         }},
        {"Single",
         [](const QString& path, const QByteArray& bytes, QString& reason) {
             return kilnward::app::WriteFileAtomically(path, bytes, &reason);
         }},
    };
}

class SaveTargetTest : public ::testing::TestWithParam<Saver> {
  protected:
    bool save(const QString& path, const QByteArray& bytes) {
        reason.clear();
        return GetParam().save(path, bytes, reason);
    }
    // Only the files the test made are left: no temporary or moved-aside file.
    void expectOnly(const QStringList& names) {
        QStringList present =
            QDir(dir.folder()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        present.sort();
        QStringList expected = names;
        expected.sort();
        EXPECT_EQ(present, expected);
    }
    TempFolder dir;
    QString reason;
};

TEST_P(SaveTargetTest, ALinkStaysALinkAndItsTargetGetsTheText) {
    ASSERT_TRUE(QDir(dir.folder()).mkdir("real"));
    const QString target = dir.write("real/doc.hdr", "old");
    const struct {
        const char* link;
        QString pointsTo;
    } links[] = {
        {"absolute.hdr", target},
        {"relative.hdr", "real/doc.hdr"},
        {"chain.hdr", "absolute.hdr"},
    };
    int round = 0;
    for (const auto& l : links) {
        const QString link = dir.path(l.link);
        ASSERT_TRUE(QFile::link(l.pointsTo, link)) << l.link;
        const QString pointedTo = QFileInfo(link).symLinkTarget();
        const QByteArray text = "new " + QByteArray::number(++round);
        EXPECT_TRUE(save(link, text)) << l.link << ": " << reason.toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << l.link;
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), pointedTo) << l.link;
        EXPECT_EQ(dir.read("real/doc.hdr"), text) << l.link;
    }
    // A link whose target does not exist yet: the target is created, the link kept.
    const QString dangling = dir.path("dangling.hdr");
    ASSERT_TRUE(QFile::link("real/later.hdr", dangling));
    EXPECT_TRUE(save(dangling, "later")) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(dir.read("real/later.hdr"), "later");
    expectOnly({"absolute.hdr", "relative.hdr", "chain.hdr", "dangling.hdr"});
}

TEST_P(SaveTargetTest, TheModeStays) {
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}, mode_t{0666}}) {
        const QString path = dir.write("doc.cfg", "old");
        ASSERT_TRUE(SetMode(path, mode));
        EXPECT_TRUE(save(path, "new")) << reason.toStdString();
        EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
        EXPECT_EQ(dir.read("doc.cfg"), "new");
    }
    // A new file gets the mode any new file gets.
    EXPECT_TRUE(save(dir.path("fresh.cfg"), "new")) << reason.toStdString();
    EXPECT_EQ(ModeOf(dir.path("fresh.cfg")), 0666 & ~Umask());
    expectOnly({"doc.cfg", "fresh.cfg"});
}

TEST_P(SaveTargetTest, AReadOnlyFileOrAnythingButAFileIsRefusedUntouched) {
    const QString readOnly = dir.write("locked.law", "old");
    ASSERT_TRUE(SetMode(readOnly, 0444));
    EXPECT_FALSE(save(readOnly, "new"));
    EXPECT_EQ(reason.toStdString(), "it is read-only");
    EXPECT_EQ(dir.read("locked.law"), "old");
    EXPECT_EQ(ModeOf(readOnly), mode_t{0444});

    const kilnward::test::NamedPipe pipe(dir.path("pipe.law"));
    ASSERT_TRUE(pipe.created());
    EXPECT_FALSE(save(pipe.path(), "new"));
    EXPECT_EQ(reason.toStdString(), "it is not a regular file");
    EXPECT_FALSE(QFileInfo(pipe.path()).isFile());
    expectOnly({"locked.law", "pipe.law"});
}

INSTANTIATE_TEST_SUITE_P(Savers, SaveTargetTest, ::testing::ValuesIn(Savers()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileSetWriter, OneFileNamedTwiceIsRefusedAndNothingIsWritten) {
    TempFolder dir;
    ASSERT_TRUE(QDir(dir.folder()).mkdir("sub"));
    const QString doc = dir.write("doc.hdr", "old header");
    ASSERT_TRUE(QFile::link(doc, dir.path("alias.hdr")));
    for (const QString& again :
         {doc, dir.path("sub/../doc.hdr"), dir.path("./doc.hdr"), dir.path("alias.hdr")}) {
        FileSetWriter writer;
        writer.add(dir.path("other.cfg"), "configuration");
        writer.add(doc, "header");
        writer.add(again, "law");
        FileSetWriter::Failure failure;
        EXPECT_FALSE(writer.commit(failure)) << again.toStdString();
        EXPECT_EQ(failure.path.toStdString(), again.toStdString());
        EXPECT_EQ(failure.reason.toStdString(), "it is named twice in the set");
        EXPECT_EQ(dir.read("doc.hdr").toStdString(), "old header");
        EXPECT_FALSE(QFileInfo::exists(dir.path("other.cfg")));
        EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files).size(), 2);
    }
}

TEST(FileSetWriter, FilesWithTemporaryLookingNamesAreNeverTouched) {
    TempFolder dir;
    const QString doc = dir.write("doc.hdr", "old");
    dir.write("doc.hdr.saving~", "the user's");
    dir.write("doc.hdr.previous~", "also the user's");
    FileSetWriter writer;
    writer.add(doc, "new");
    writer.add(dir.path("doc.law"), "law");
    FileSetWriter::Failure failure;
    ASSERT_TRUE(writer.commit(failure)) << failure.reason.toStdString();
    EXPECT_EQ(dir.read("doc.hdr"), "new");
    EXPECT_EQ(dir.read("doc.hdr.saving~"), "the user's");
    EXPECT_EQ(dir.read("doc.hdr.previous~"), "also the user's");
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files).size(), 4);
}

}  // namespace
