// CSymbolTable: case-insensitive names, the numeric test on values, the raised
// errors, order and count, and direct work on the collection.

#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "eval/symbol_table.h"
#include "tests/eval/notation_fixture.h"

namespace vorlenta {
namespace {

using testing::in_notation;
using testing::Notation;
using testing::ScopedNotation;

QStringList names_in_order(const CSymbolTable &table)
{
    QStringList names;
    for (const auto &entry : table.m_Symbols.entries())
        names << entry.name;
    return names;
}

std::int32_t raised_number(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const EvalError &error) {
        return error.number();
    }
    return 0;
}

class SymbolTableTest : public ::testing::TestWithParam<Notation> {
protected:
    ScopedNotation notation{GetParam()};
    CSymbolTable table;
    QString text(const char *point_notation) const
    {
        return in_notation(QString::fromLatin1(point_notation), GetParam());
    }
};

TEST_P(SymbolTableTest, NamesMatchWithoutRegardToCase)
{
    table.Add(QStringLiteral("x"), 5.0);
    EXPECT_TRUE(table.IsSymbolDefined(QStringLiteral("X")));
    EXPECT_EQ(table.Value(QStringLiteral("X")), VariantValue(5.0));
    EXPECT_EQ(table.Count(), 1);
}

TEST_P(SymbolTableTest, AddingADefinedNameKeepsTheOldValueSilently)
{
    table.Add(QStringLiteral("x"), 5.0);
    EXPECT_NO_THROW(table.Add(QStringLiteral("X"), 7.0));
    EXPECT_EQ(table.Value(QStringLiteral("x")), VariantValue(5.0));
    EXPECT_EQ(table.Count(), 1);
}

TEST_P(SymbolTableTest, AddDropsAValueThatIsNoNumber)
{
    table.Add(QStringLiteral("y"), QStringLiteral("abc"));
    table.Add(QStringLiteral("w"), text("1,5")); // group separator, not decimal point
    table.Add(QStringLiteral("v"), std::numeric_limits<double>::infinity());
    table.Add(QStringLiteral("u"), std::nan(""));
    EXPECT_EQ(table.Count(), 0);
}

TEST_P(SymbolTableTest, AddKeepsANumericTextAsText)
{
    table.Add(QStringLiteral("y"), text("2.5"));
    const VariantValue value = table.Value(QStringLiteral("y"));
    ASSERT_TRUE(value.is_text());
    EXPECT_EQ(value.text(), text("2.5"));
}

TEST_P(SymbolTableTest, TheEmptyValuePassesTheNumericTest)
{
    table.Add(QStringLiteral("z"), VariantValue());
    EXPECT_TRUE(table.IsSymbolDefined(QStringLiteral("z")));
    EXPECT_TRUE(table.Value(QStringLiteral("z")).is_empty());
}

TEST_P(SymbolTableTest, WritingAnUndefinedNameRaisesSymbolNotDefined)
{
    try {
        table.Value(QStringLiteral("x"), 1.0);
        FAIL() << "nothing raised";
    } catch (const EvalError &error) {
        EXPECT_EQ(error.number(), -2147221492);
        EXPECT_EQ(error.description(), QStringLiteral("Symbol not defined"));
    }
    EXPECT_EQ(table.Count(), 0);
}

TEST_P(SymbolTableTest, WritingANonNumericValueRaisesAndKeepsTheOldValue)
{
    table.Add(QStringLiteral("x"), 5.0);
    try {
        table.Value(QStringLiteral("x"), QStringLiteral("abc"));
        FAIL() << "nothing raised";
    } catch (const EvalError &error) {
        EXPECT_EQ(error.number(), -2147221494);
        EXPECT_EQ(error.description(), QStringLiteral("Invalid symbol value"));
    }
    EXPECT_EQ(table.Value(QStringLiteral("x")), VariantValue(5.0));
}

TEST_P(SymbolTableTest, WritingReplacesTheValueAndTheNamesCase)
{
    table.Add(QStringLiteral("mass"), 5.0);
    table.Value(QStringLiteral("MASS"), 9.0);
    EXPECT_EQ(table.Value(QStringLiteral("mass")), VariantValue(9.0));
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(names_in_order(table), QStringList{QStringLiteral("MASS")});
}

TEST_P(SymbolTableTest, DeleteRemovesAnyCaseAndIgnoresUndefinedNames)
{
    table.Add(QStringLiteral("x"), 5.0);
    EXPECT_NO_THROW(table.Delete(QStringLiteral("y")));
    EXPECT_EQ(table.Count(), 1);
    table.Delete(QStringLiteral("X"));
    EXPECT_FALSE(table.IsSymbolDefined(QStringLiteral("x")));
    EXPECT_EQ(table.Count(), 0);
}

TEST_P(SymbolTableTest, ReadingAnUndefinedNameGivesTheEmptyValue)
{
    VariantValue value(1.0);
    EXPECT_NO_THROW(value = table.Value(QStringLiteral("nothing")));
    EXPECT_TRUE(value.is_empty());
}

TEST_P(SymbolTableTest, InsertionOrderIsKeptAndARewriteMovesToTheEnd)
{
    for (const char *name : {"a", "b", "c", "d"})
        table.Add(QString::fromLatin1(name), 1.0);
    table.Delete(QStringLiteral("b"));
    table.Value(QStringLiteral("a"), 2.0);
    EXPECT_EQ(names_in_order(table),
              (QStringList{QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("a")}));
    // Lookups behind a removed entry still find their own values.
    EXPECT_EQ(table.Value(QStringLiteral("d")), VariantValue(1.0));
    EXPECT_EQ(table.Value(QStringLiteral("A")), VariantValue(2.0));
}

TEST_P(SymbolTableTest, TheCollectionCanBeReplacedAndBypassesTheChecks)
{
    SymbolCollection other;
    other.add(QStringLiteral("raw"), QStringLiteral("not a number"));
    table.Add(QStringLiteral("x"), 1.0);
    table.m_Symbols = other;
    EXPECT_FALSE(table.IsSymbolDefined(QStringLiteral("x")));
    EXPECT_EQ(table.Value(QStringLiteral("RAW")), VariantValue(QStringLiteral("not a number")));
}

INSTANTIATE_TEST_SUITE_P(Notations, SymbolTableTest,
                         ::testing::Values(Notation::Point, Notation::Comma),
                         [](const auto &info) { return testing::notation_name(info.param); });

TEST(SymbolTableCount, ANewTableCountsZero)
{
    EXPECT_EQ(CSymbolTable().Count(), 0);
}

TEST(SymbolTableCount, PassingThe16BitLimitRaisesOverflow)
{
    CSymbolTable table;
    for (int i = 0; i < 32767; ++i)
        table.m_Symbols.add(QStringLiteral("s%1").arg(i), double(i));
    EXPECT_EQ(table.Count(), 32767);
    table.m_Symbols.add(QStringLiteral("one_more"), 0.0);
    EXPECT_EQ(raised_number([&] { table.Count(); }), 6);
}

} // namespace
} // namespace vorlenta
