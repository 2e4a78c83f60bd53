#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "ExportFixture.h"
#include "form/CheckItem.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "tests/support/FileBytes.h"
#include "textexport/ConfigTextExport.h"
#include "textexport/SaveConfigAsText.h"

namespace kilnward::textexport::testing {
namespace {

class ConfigTextExportTest : public ExportFixture {
  protected:
    ConfigTextExport exporter() const {
        return ConfigTextExport(session->window().form(), "fuels.fue", QLocale::c());
    }
    static PrintConfigAnswer Only(std::initializer_list<ExportSection> sections) {
        PrintConfigAnswer answer;
        for (ExportSection section : sections) {
            answer.selection[static_cast<size_t>(section)] = true;
        }
        return answer;
    }
    ExportOutcome run(const PrintConfigAnswer& answer) {
        return SaveConfigAsText(answer, exporter(), path("Config.txt"), editor);
    }
    QStringList fileLines() const {
        return QString::fromLatin1(test::ReadBytes(path("Config.txt"))).split("\r\n");
    }
    QStringList section(void (ConfigTextExport::*writer)(QStringList&) const) const {
        QStringList lines;
        (exporter().*writer)(lines);
        return lines;
    }
};

TEST_F(ConfigTextExportTest, AbortWritesNothingAndStartsNoEditor) {
    PrintConfigAnswer answer = Only({ExportSection::Timers});
    answer.cancelled = true;
    EXPECT_EQ(run(answer), ExportOutcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(path("Config.txt")));
    ASSERT_TRUE(test::WriteBytes(path("Config.txt"), "old listing\r\n"));
    EXPECT_EQ(run(answer), ExportOutcome::Cancelled);
    EXPECT_EQ(test::ReadBytes(path("Config.txt")), "old listing\r\n");
    EXPECT_TRUE(editor.opened.empty());
}

TEST_F(ConfigTextExportTest, OnlyTimersGivesTheEmptyLineTheHeadingAndElevenLines) {
    ASSERT_EQ(run(Only({ExportSection::Timers})), ExportOutcome::Opened);
    QStringList expected{"", "[Timers]"};
    for (int i = 0; i <= 10; ++i) {
        const form::NumericItem& timer = form().numeric("TDBNumtimers", i);
        expected << "\t\t" + timer.caption() + " = " + timer.displayText(QLocale::c());
    }
    expected << "";  // after the last line end
    EXPECT_EQ(fileLines(), expected);
    EXPECT_EQ(expected.at(2), "\t\t&Autozero time = 180");
    EXPECT_EQ(editor.opened, std::vector<QString>{path("Config.txt")});
}

TEST_F(ConfigTextExportTest, NothingTickedWritesOneEmptyLine) {
    ASSERT_EQ(run(PrintConfigAnswer{}), ExportOutcome::Opened);
    EXPECT_EQ(test::ReadBytes(path("Config.txt")), "\r\n");
    EXPECT_EQ(editor.opened.size(), 1u);
}

TEST_F(ConfigTextExportTest, PrintAllWritesEverySectionInOrderOverTheOldFile) {
    ASSERT_TRUE(test::WriteBytes(path("Config.txt"), "old listing\r\n"));
    PrintConfigAnswer answer = Only({ExportSection::Timers});
    answer.selection[kExportAll] = true;
    ASSERT_EQ(run(answer), ExportOutcome::Opened);
    QStringList headings;
    for (const QString& line : fileLines()) {
        if (line.startsWith('[')) {
            headings << line;
        }
    }
    EXPECT_EQ(headings,
              QStringList({"[General]", "[Bar graphs]", "[Service]", "[Pages]", "[Printer]",
                           "[Alarms]", "[Aux inputs]", "[Analog outputs]", "[Timers]", "[Fuels]"}));
    EXPECT_EQ(fileLines().first(), "");
}

TEST_F(ConfigTextExportTest, UnwritableFileStartsNoEditor) {
    const ExportOutcome outcome = SaveConfigAsText(Only({ExportSection::General}), exporter(),
                                                   path("missing/Config.txt"), editor);
    EXPECT_EQ(outcome, ExportOutcome::WriteFailed);
    EXPECT_TRUE(editor.opened.empty());
    editor.starts = false;
    EXPECT_EQ(run(Only({ExportSection::General})), ExportOutcome::EditorFailed);
}

TEST_F(ConfigTextExportTest, FuelTableCutsLongNamesAndPadsShortOnes) {
    form().text("txtfuelname", 0).setText("ABCDEFGHIJKLMNOPQRSTUVWXY");
    form().text("txtfuelname", 1).setText("Oil");
    const QStringList lines = section(&ConfigTextExport::writeFuels);
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines.at(0), "[Fuels]");
    EXPECT_EQ(lines.at(1), "Filename : fuels.fue");
    EXPECT_TRUE(lines.at(2).startsWith(
        QString::fromUtf8("|N\u00b0  |[Fuel Name]         |K1/K/A/C|K2/B/D  |")))
        << lines.at(2).toStdString();
    EXPECT_TRUE(lines.at(2).endsWith("|QNet   |Formula type        |"));
    EXPECT_EQ(lines.at(3), QString(lines.at(2).size(), '-'));
    EXPECT_TRUE(lines.at(4).startsWith("|#1  |ABCDEFGHIJKLMNOPQRST|0.225   |0.0000  |"))
        << lines.at(4).toStdString();
    EXPECT_TRUE(lines.at(5).startsWith("|#2  |Oil" + QString(17, ' ') + "|"));
    EXPECT_TRUE(lines.at(13).startsWith("|#10 |"));
    EXPECT_TRUE(lines.at(13).endsWith("|Ger-Ita Lg10        |"));
    for (const QString& row : lines.mid(4)) {
        EXPECT_EQ(row.size(), lines.at(2).size()) << row.toStdString();
    }
}

TEST_F(ConfigTextExportTest, HeaderLineRowsCarryTheirTextAndBox) {
    form().text("txtheaderline", 1).setText("ACME");
    form().check("chkprtconf", 1).setValue(form::CheckItem::kChecked);
    form().check("chkprtconf", 2).setValue(form::CheckItem::kUnchecked);
    const QStringList lines = section(&ConfigTextExport::writePrinter);
    EXPECT_TRUE(lines.contains("\t\tHeader line &1-ACME=1"));
    EXPECT_TRUE(lines.contains("\t\tHeader line &2-=0"));
    EXPECT_TRUE(lines.contains("\t\t&Copies number = 2"));
    EXPECT_TRUE(lines.contains("\t\t&Printing model=User defined"));
    EXPECT_EQ(lines.indexOf("\t[Header]") + 1, lines.indexOf("\t\tHeader line &1-ACME=1"));
}

TEST_F(ConfigTextExportTest, NumbersAreWrittenAsTheFieldShowsThem) {
    form().numeric("TDBNumCOthrs").setValue(1234.5);
    const ConfigTextExport german(form(), "", QLocale(QLocale::German, QLocale::Germany));
    QStringList lines;
    german.writeGeneral(lines);
    EXPECT_EQ(lines.at(2), "\tCO t&hreshold [ppm] = 1234,500");
}

}  // namespace
}  // namespace kilnward::textexport::testing
