// Saving the five documents is all or nothing: a file that cannot be written keeps every old
// file and names itself and the reason.
#include <QDir>

#include "SessionFixture.h"
#include "form/TextItem.h"
#include "tests/support/FileSizeLimit.h"

namespace kilnward::documents::testing {
namespace {

class DocumentSetSaveTest : public SessionFixture {
  protected:
    // The five documents titled in the folder, saved once, so old files exist.
    void titleAndSaveAll() {
        for (int d = 0; d < kDocumentCount; ++d) {
            documents().setFileName(d, path(QStringLiteral("doc%1").arg(d)));
        }
        commands().fileSave();
        ASSERT_TRUE(prompts.messages().empty());
        for (int d = 0; d < kDocumentCount; ++d) {
            old.push_back(test::ReadBytes(documents()[d].FileName()));
        }
    }
    void expectOldFilesKept() {
        for (int d = 0; d < kDocumentCount; ++d) {
            EXPECT_EQ(test::ReadBytes(path(QStringLiteral("doc%1").arg(d))), old[d]) << d;
        }
        expectNoTemporaryFiles();
    }
    void expectNoTemporaryFiles() {
        EXPECT_TRUE(QDir(folder.path()).entryList({"*~"}, QDir::Files).isEmpty());
        EXPECT_EQ(QDir(folder.path()).entryList({"doc*"}, QDir::Files).size(), kDocumentCount);
    }
    std::vector<QByteArray> old;
};

TEST_F(DocumentSetSaveTest, AFolderInTheWayKeepsEveryOldFile) {
    titleAndSaveAll();
    form().text("txtserviceline", 0).setText("new service line");
    form().text("txtheaderline", 1).setText("new header line");
    // The law document's file has become a folder.
    ASSERT_TRUE(QFile::remove(path("doc3")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("doc3"));
    old[3].clear();

    commands().fileSave();

    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith("Cannot save the file " + path("doc3") +
                                                 " (a folder of that name is in the way)"))
        << prompts.messages()[0].toStdString();
    for (int d : {0, 1, 2, 4}) {
        EXPECT_EQ(test::ReadBytes(path(QStringLiteral("doc%1").arg(d))), old[d]) << d;
    }
    EXPECT_TRUE(documents()[kServiceDocument].Dirty());
    EXPECT_TRUE(documents()[kHeaderDocument].Dirty());
}

TEST_F(DocumentSetSaveTest, AFullDiskKeepsEveryOldFile) {
    titleAndSaveAll();
    form().text("txtserviceline", 0).setText("new service line");
    {
        // Room for the small documents but not for the configuration.
        const test::FileSizeLimit full(2000);
        commands().fileSave();
    }
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].contains(path("doc0")))
        << prompts.messages()[0].toStdString();
    EXPECT_TRUE(prompts.messages()[0].contains("no document file was changed"));
    expectOldFilesKept();
    EXPECT_TRUE(documents()[kServiceDocument].Dirty());
}

TEST_F(DocumentSetSaveTest, AllFiveAreReplacedWhenAllAreWritten) {
    titleAndSaveAll();
    form().text("txtserviceline", 0).setText("new service line");
    commands().fileSave();
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_TRUE(QString::fromLatin1(test::ReadBytes(path("doc4"))).contains("new service line"));
    expectNoTemporaryFiles();
    for (int d = 0; d < kDocumentCount; ++d) {
        EXPECT_FALSE(documents()[d].Dirty());
    }
}

}  // namespace
}  // namespace kilnward::documents::testing
