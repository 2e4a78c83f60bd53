#include <gtest/gtest.h>

#include <QHash>
#include <QLocale>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "FormFixture.h"
#include "app/DisplayFormat.h"
#include "form/Form.h"
#include "form/FormDefinition.h"
#include "form/NumericItem.h"

namespace kilnward::form {
namespace {

std::vector<NumericItem*> NumericItems(const Form& form) {
    std::vector<NumericItem*> items;
    for (FormItem* item : form.items()) {
        if (item->kind() == ItemKind::Numeric) {
            items.push_back(static_cast<NumericItem*>(item));
        }
    }
    return items;
}

struct Shown {
    QString large;     // 1234.5678
    QString negative;  // -0.5
    QString zero;
};

// Every display format the main window declares, with what it shows. A format added to the
// window without a row here fails the test below.
const QHash<QString, Shown>& ExpectedTexts() {
    static const QHash<QString, Shown> table = {
        {"####0.0000", {"1234.5678", "-0.5000", "0.0000"}},
        {"####0.000", {"1234.568", "-0.500", "0.000"}},
        {"####0.00", {"1234.57", "-0.50", "0.00"}},
        {"####0.0", {"1234.6", "-0.5", "0.0"}},
        {"##0.000;  Minus ##0.000", {"1234.568", "  Minus 0.500", "0.000"}},
        {"##0.0", {"1234.6", "-0.5", "0.0"}},
        {"###0", {"1235", "-1", "0"}},
        {"##0", {"1235", "-1", "0"}},
        {"#0", {"1235", "-1", "0"}},
        {"0", {"1235", "-1", "0"}},
    };
    return table;
}

class NumericDisplayTest : public ::testing::Test {
  protected:
    NumericDisplayTest() : form(kMainWindowName) { DeclareMainWindow(form); }
    Form form;
};

// Value -> text -> value on every numeric field of the window: the shown text of each
// format, and the range ends and a value between them reading back unchanged, with "." and
// with a locale that writes ",".
TEST_F(NumericDisplayTest, EveryDeclaredFormatShowsAndReadsBack) {
    const QLocale german(QLocale::German, QLocale::Germany);
    for (NumericItem* item : NumericItems(form)) {
        const QString where =
            item->name() + "#" + QString::number(item->index()) + " " + item->format();
        ASSERT_TRUE(ExpectedTexts().contains(item->format())) << where.toStdString();
        const Shown& shown = ExpectedTexts()[item->format()];
        const app::DisplayFormat format(item->format());
        EXPECT_EQ(format.format(1234.5678, QLocale::c()), shown.large) << where.toStdString();
        EXPECT_EQ(format.format(-0.5, QLocale::c()), shown.negative) << where.toStdString();
        EXPECT_EQ(format.format(0.0, QLocale::c()), shown.zero) << where.toStdString();

        const double step = std::pow(10.0, -format.decimals());
        for (double value : {item->minimum(), item->maximum(), item->minimum() + 7 * step}) {
            item->setValue(value);
            for (const QLocale& locale : {QLocale::c(), german}) {
                const QString text = item->displayText(locale);
                item->setValue(0.0);
                ASSERT_TRUE(item->setText(text, locale))
                    << where.toStdString() << " " << text.toStdString();
                EXPECT_DOUBLE_EQ(*item->value(), value)
                    << where.toStdString() << " " << text.toStdString();
            }
        }
    }
}

TEST(DisplayFormat, RoundsHalfAwayFromZeroAsTheNumberReads) {
    const app::DisplayFormat oneDecimal("##0.0");
    EXPECT_EQ(oneDecimal.format(2.25, QLocale::c()), "2.3");
    EXPECT_EQ(oneDecimal.format(-2.25, QLocale::c()), "-2.3");
    EXPECT_EQ(app::DisplayFormat("####0.00").format(2.675, QLocale::c()), "2.68");
    EXPECT_EQ(app::DisplayFormat("#0").format(9.5, QLocale::c()), "10");
    EXPECT_EQ(app::DisplayFormat("####0.000").format(99.9996, QLocale::c()), "100.000");
    // Too small to show: zero without a sign.
    EXPECT_EQ(oneDecimal.format(-0.04, QLocale::c()), "0.0");
    // Optional digits drop, integer digits beyond the picture stay.
    EXPECT_EQ(app::DisplayFormat("#.##").format(0.5, QLocale::c()), ".5");
    EXPECT_EQ(app::DisplayFormat("#0").format(123456, QLocale::c()), "123456");
    // What is typed is kept as it is shown.
    EXPECT_EQ(oneDecimal.parse("3.14", QLocale::c()), 3.1);
    EXPECT_EQ(oneDecimal.parse("-3.15", QLocale::c()), -3.2);
}

TEST(DisplayFormat, NegativeSectionFramesTheMagnitudeWithItsText) {
    const app::DisplayFormat format("##0.000;  Minus ##0.000");
    EXPECT_EQ(format.format(-0.225, QLocale::c()), "  Minus 0.225");
    EXPECT_EQ(format.format(0.225, QLocale::c()), "0.225");
    EXPECT_EQ(format.parse("  Minus 0.225", QLocale::c()), -0.225);
    EXPECT_EQ(format.parse("Minus 12", QLocale::c()), -12.0);
    EXPECT_EQ(format.parse("-0.225", QLocale::c()), -0.225);
    EXPECT_EQ(format.parse("Minus -1", QLocale::c()), std::nullopt);
    EXPECT_EQ(format.parse("Minus", QLocale::c()), std::nullopt);
}

TEST(DisplayFormat, ReadsTheLocaleSeparatorAndThePoint) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const app::DisplayFormat format("####0.000");
    EXPECT_EQ(format.format(-12.5, german), "-12,500");
    EXPECT_EQ(format.parse("12,5", german), 12.5);
    EXPECT_EQ(format.parse(" 12.5 ", german), 12.5);
    EXPECT_EQ(format.parse("+7", german), 7.0);
    for (const char* bad : {"", "-", ".", "1.2.3", "1,2.3", "12a", "1e5", "0x10"}) {
        EXPECT_EQ(format.parse(bad, german), std::nullopt) << bad;
    }
}

// The pictures have no thousands mark: "," and "." both mark decimals, whatever the locale;
// anything else is no number (never its readable beginning).
TEST(DisplayFormat, ReadsEitherDecimalMarkInEnglishAndGerman) {
    const app::DisplayFormat format("####0.000");
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1,5", 1.5},           {"1.5", 1.5},          {"-1,5", -1.5},       {",5", 0.5},
        {"1e3", std::nullopt},  {"-", std::nullopt},   {"", std::nullopt},   {"abc", std::nullopt},
        {"1,5.", std::nullopt}, {"1 5", std::nullopt}, {"123456", 123456.0}, {"0,0004", 0.0},
    };
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        for (const auto& [typed, read] : cases) {
            EXPECT_EQ(format.parse(typed, locale), read)
                << locale.name().toStdString() << " " << typed;
        }
    }
}

// setText is an assignment like setValue: the same edit (the document becomes changed), and
// nothing at all when the text is refused.
class NumericSetTextTest : public testing::FormFixture {};

TEST_F(NumericSetTextTest, AssignsLikeSetValueOrRefusesWithoutAnEdit) {
    load();
    NumericItem& copies = form().numeric("TDBNumprtcopies");
    EXPECT_TRUE(copies.setText("4", QLocale::c()));
    EXPECT_EQ(copies.value(), 4.0);
    EXPECT_EQ(services.dirtyTags, std::vector<QString>{"Kcfg"});
    for (const char* refused : {"four", "", "  ", "4x"}) {
        EXPECT_FALSE(copies.setText(refused, QLocale::c())) << refused;
    }
    EXPECT_EQ(copies.value(), 4.0);
    EXPECT_EQ(services.dirtyTags.size(), 1u);
    EXPECT_EQ(copies.displayText(QLocale::c()), "4");
    copies.setEmpty();
    EXPECT_EQ(copies.displayText(QLocale::c()), "");
}

}  // namespace
}  // namespace kilnward::form
