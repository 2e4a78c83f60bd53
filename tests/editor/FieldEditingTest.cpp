// The field editors: numbers kept in range when the user leaves them, typing never echoed
// back, and the rules of the form (alarm enabling, printing model, fuel count, formula)
// visible in the widgets.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "documents/MainWindowSession.h"
#include "editor/Binding.h"
#include "editor/MainWindow.h"
#include "editor/NumericEdit.h"
#include "form/Form.h"
#include "form/NumericItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

using FieldEditingTest = EditorFixture;

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Choose(QComboBox* combo, int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}

TEST_F(FieldEditingTest, NumberOutsideItsRangeIsCorrectedWhenTheUserLeaves) {
    auto* copies = widget<NumericEdit>("TDBNumprtcopies");
    ASSERT_NE(copies, nullptr);
    Retype(copies, QStringLiteral("7"));
    // While typing the field keeps what the user typed.
    EXPECT_EQ(copies->text(), QStringLiteral("7"));
    EXPECT_EQ(form().numeric("TDBNumprtcopies").number(), 7);
    leave(copies);
    EXPECT_EQ(copies->text(), QStringLiteral("5"));
    EXPECT_EQ(form().numeric("TDBNumprtcopies").number(), 5);
    Retype(copies, QStringLiteral("0"));
    leave(copies);
    EXPECT_EQ(copies->text(), QStringLiteral("1"));

    auto* leak = widget<NumericEdit>("TDBNumtimers", 5);
    Retype(leak, QStringLiteral("-10000"));
    leave(leak);
    EXPECT_EQ(form().numeric("TDBNumtimers", 5).number(), -9999);
    EXPECT_TRUE(session().documents()[documents::kConfigurationDocument].Dirty());
}

// A number is typed with the locale's decimal mark, "," or "."; any other text is refused
// where it was typed: the field keeps the value it held before and says why, and no readable
// beginning of the text ("1" of "1e3") is ever kept.
TEST_F(FieldEditingTest, TypedNumbersTakeEitherDecimalMarkAndRefuseTheRestVisibly) {
    struct Case {
        const char* typed;
        double whileTyping;
        double left;  // the value once the field is left
        bool refused;
    };
    const Case cases[] = {
        {"1,5", 1.5, 1.5, false},
        {"1.5", 1.5, 1.5, false},
        {"-2,25", -2.25, -2.25, false},
        {"1e3", 35, 35, true},
        {"-", 35, 35, true},
        {"", 35, 35, true},
        {"abc", 35, 35, true},
        {"1,5,0", 35, 35, true},
        {"123456", 123456, 99999.999, false},
        {"-123456,5", -123456.5, -99999.999, false},
    };
    const QLocale before;
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        auto* value = widget<NumericEdit>("TDBNumalmvaloth", 0);
        form::NumericItem& item = form().numeric("TDBNumalmvaloth", 0);
        for (const Case& c : cases) {
            const std::string where = locale.name().toStdString() + " \"" + c.typed + "\"";
            item.setValue(35);
            Retype(value, QString::fromLatin1(c.typed));
            // While typing: the typed number, or the value from before, never a prefix.
            EXPECT_EQ(item.value(), c.whileTyping) << where;
            leave(value);
            EXPECT_EQ(item.value(), c.left) << where;
            EXPECT_EQ(value->text(), item.displayText(locale)) << where;
            const QString refusal = value->shownRefusal();
            if (!c.refused) {
                EXPECT_TRUE(refusal.isEmpty()) << where << ": " << refusal.toStdString();
            } else {
                EXPECT_TRUE(refusal.contains(item.displayText(locale)))
                    << where << ": " << refusal.toStdString();
                EXPECT_TRUE(QString(c.typed).isEmpty() || refusal.contains(c.typed))
                    << where << ": " << refusal.toStdString();
            }
            // Typing again takes the note away.
            QTest::keyClick(value, Qt::Key_End);
            EXPECT_TRUE(value->shownRefusal().isEmpty()) << where;
        }
    }
    QLocale::setDefault(before);
}

TEST_F(FieldEditingTest, NumbersShowInTheirDisplayFormatRightAligned) {
    auto* value = widget<NumericEdit>("TDBNumalmvaloth", 0);
    EXPECT_TRUE(value->alignment() & Qt::AlignRight);
    form().numeric("TDBNumalmvaloth", 0).setValue(35);
    EXPECT_EQ(value->text().remove(u',').remove(u'.'), QStringLiteral("35000"));
    // Wide enough for the longest value of the format, and no wider than needed.
    const int widest = value->fontMetrics().horizontalAdvance(QStringLiteral("-99999.999"));
    EXPECT_GE(value->sizeHint().width(), widest);
    EXPECT_LT(value->sizeHint().width(), widest * 2);
}

TEST_F(FieldEditingTest, UncheckingAnAlarmGreysItsFields) {
    auto* enabled = widget<QCheckBox>("chkalmenabled", 2);
    enabled->setChecked(true);
    emit enabled->clicked(true);
    ASSERT_TRUE(widget<QWidget>("cboalmtype", 2)->isEnabled());
    enabled->click();
    EXPECT_FALSE(widget<QWidget>("cboalmtype", 2)->isEnabled());
    EXPECT_FALSE(widget<QWidget>("TDBNumalmval", 2)->isEnabled());
    EXPECT_FALSE(widget<QWidget>("trvalmparam", 2)->isEnabled());
    EXPECT_TRUE(widget<QWidget>("cboalmtype", 1)->isEnabled() ||
                !form().item(QStringLiteral("cboalmtype"), 1).enabled());
}

TEST_F(FieldEditingTest, ReducedPrintingModelGreysTheBoxesTheFormSays) {
    Choose(widget<QComboBox>("cboprtmodel"), 1);
    EXPECT_FALSE(widget<QWidget>("chkprtconf", 1)->isEnabled());
    EXPECT_FALSE(widget<QWidget>("trvprtrefparam", 0)->isEnabled());
    EXPECT_TRUE(widget<QWidget>("chkprtconf", 0)->isEnabled());
    EXPECT_TRUE(widget<QWidget>("chkprtconf", 12)->isEnabled());
    Choose(widget<QComboBox>("cboprtmodel"), 0);
    EXPECT_TRUE(widget<QWidget>("chkprtconf", 1)->isEnabled());
}

TEST_F(FieldEditingTest, FuelCountEnablesTheFirstFuelsAndKeepsTheOthersReadable) {
    auto* count = widget<NumericEdit>("TDBNummaxfuels");
    Retype(count, QStringLiteral("3"));
    EXPECT_TRUE(widget<QWidget>("txtfuelname", 2)->isEnabled());
    EXPECT_FALSE(widget<QWidget>("txtfuelname", 3)->isEnabled());
    EXPECT_FALSE(widget<QWidget>("TDBNumpark1", 9)->isEnabled());
    // Captions of disabled fuels stay readable.
    EXPECT_TRUE(binding("TDBNumpark1", 9).captionWidget()->isEnabled());
    // 11 counts as 10 at once; the field itself is corrected when left.
    Retype(count, QStringLiteral("11"));
    EXPECT_TRUE(widget<QWidget>("txtfuelname", 9)->isEnabled());
    EXPECT_EQ(count->text(), QStringLiteral("11"));
    leave(count);
    EXPECT_EQ(count->text(), QStringLiteral("10"));
    EXPECT_TRUE(session().documents()[documents::kFuelsDocument].Dirty());
}

TEST_F(FieldEditingTest, UniFormulaGreysFourFieldsAndRelabelsQnet) {
    auto* formula = widget<QComboBox>("cbofuelformulatype", 2);
    Choose(formula, 4);
    auto* qnetCaption = qobject_cast<QLabel*>(binding("TDBNumparQnet", 2).captionWidget());
    EXPECT_EQ(qnetCaption->text(), QStringLiteral("Fu&el ID [1-5]"));
    EXPECT_FALSE(widget<QWidget>("TDBNumparkgross", 2)->isEnabled());
    EXPECT_FALSE(binding("TDBNumparkgross", 2).captionWidget()->isEnabled());
    EXPECT_TRUE(widget<QWidget>("TDBNumparkgross", 1)->isEnabled() ||
                !form().item(QStringLiteral("TDBNumparkgross"), 1).enabled());
    EXPECT_EQ(widget<QWidget>("TDBNumparQnet", 2)->accessibleName(),
              QStringLiteral("Fuel ID [1-5]"));
    Choose(formula, 3);
    EXPECT_EQ(qnetCaption->text(), QStringLiteral("Qn&ett"));
    EXPECT_TRUE(binding("TDBNumparkgross", 2).captionWidget()->isEnabled());
}

}  // namespace

}  // namespace kilnward::editor::testing
