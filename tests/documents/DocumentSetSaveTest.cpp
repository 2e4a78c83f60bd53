// Saving the five documents is all or nothing: a file that cannot be written keeps every old
// file and names itself and the reason.
#include <QDir>
#include <QFileInfo>

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

std::size_t FileChoosers(const app::ScriptedPrompts& prompts) {
    std::size_t count = 0;
    for (const auto& record : prompts.records()) {
        count += record.kind == app::ScriptedPrompts::Kind::FileChooser ? 1 : 0;
    }
    return count;
}

TEST_F(DocumentSetSaveTest, OneFileChosenForTwoDocumentsIsRefusedAndAskedForAgain) {
    titleAndSaveAll();
    form().text("txtheaderline", 1).setText("new header line");
    // Save As: the header's file is chosen for the law document too, then another one.
    for (const char* name : {"doc0", "doc1", "doc2", "doc2", "doc3", "doc4"}) {
        prompts.queueFile(path(name));
    }
    commands().fileSaveAs();

    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(
        prompts.messages()[0],
        "The file " + path("doc2") + " is already chosen for Header data: choose another file.");
    EXPECT_EQ(FileChoosers(prompts), 6u);
    EXPECT_TRUE(ReadAll(path("doc2")).contains("FileType=Khdr"));
    EXPECT_TRUE(ReadAll(path("doc2")).contains("new header line"));
    EXPECT_TRUE(ReadAll(path("doc3")).contains("FileType=Klaw"));
    EXPECT_EQ(documents()[kLawDocument].FileName(), path("doc3"));
    EXPECT_FALSE(documents()[kHeaderDocument].Dirty());
    expectNoTemporaryFiles();
}

TEST_F(DocumentSetSaveTest, TwoDocumentsNamingOneFileAskForAnotherNameOnSave) {
    titleAndSaveAll();
    // The law document was saved on its own under the header's name.
    documents().setFileName(kLawDocument, path("doc2"));
    form().text("txtheaderline", 1).setText("new header line");
    form().text("txtserviceline", 0).setText("new service line");
    prompts.queueFile(std::nullopt);  // the user gives no other name: the law is not saved
    commands().fileSave();

    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].contains("is already chosen for Header data"));
    EXPECT_EQ(FileChoosers(prompts), 1u);
    EXPECT_TRUE(ReadAll(path("doc2")).contains("FileType=Khdr"));
    EXPECT_TRUE(ReadAll(path("doc4")).contains("new service line"));
    EXPECT_EQ(test::ReadBytes(path("doc3")), old[3]);
    EXPECT_EQ(documents()[kLawDocument].FileName(), path("doc2"));
    EXPECT_FALSE(documents()[kHeaderDocument].Dirty());
}

TEST_F(DocumentSetSaveTest, LinksAndModesStayAndAReadOnlyFileIsRefused) {
    titleAndSaveAll();
    ASSERT_TRUE(QDir(folder.path()).mkdir("real"));
    ASSERT_TRUE(QFile::rename(path("doc2"), path("real/header")));
    ASSERT_TRUE(QFile::link(path("real/header"), path("doc2")));
    ASSERT_TRUE(QFile::setPermissions(path("doc3"), QFile::ReadOwner | QFile::WriteOwner));
    form().text("txtheaderline", 1).setText("new header line");
    commands().fileSave();
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_TRUE(QFileInfo(path("doc2")).isSymLink());
    EXPECT_TRUE(ReadAll(path("real/header")).contains("new header line"));
    EXPECT_EQ(QFileInfo(path("doc3")).permissions() & 0x7077,
              (QFile::ReadOwner | QFile::WriteOwner) & 0x7077);

    const QByteArray service = test::ReadBytes(path("doc4"));
    ASSERT_TRUE(QFile::setPermissions(path("doc4"), QFile::ReadOwner | QFile::ReadGroup));
    form().text("txtserviceline", 0).setText("new service line");
    commands().fileSave();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith("Cannot save the file " + path("doc4") +
                                                 " (it is read-only)"))
        << prompts.messages()[0].toStdString();
    EXPECT_EQ(test::ReadBytes(path("doc4")), service);
    EXPECT_TRUE(documents()[kServiceDocument].Dirty());

    // The same on its own.
    prompts.clear();
    EXPECT_FALSE(commands().dataSave(kServiceDocument));
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].contains("(it is read-only)"));
    EXPECT_EQ(test::ReadBytes(path("doc4")), service);
}

}  // namespace
}  // namespace kilnward::documents::testing
