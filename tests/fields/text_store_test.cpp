#include <vector>

#include <gtest/gtest.h>

#include "fields/text_store.h"

namespace vorlenta {
namespace {

TEST(TextStoreTest, StartsWithEachFieldsDesignedText)
{
    const TextStore store;
    EXPECT_EQ(store.text(Field::Text1), QStringLiteral("Text1"));
    EXPECT_EQ(store.text(Field::Text12), QStringLiteral("Text12"));
    EXPECT_EQ(store.text(Field::Text23), QStringLiteral("Text23"));
}

TEST(TextStoreTest, RaisesAChangeOnlyForADifferingText)
{
    TextStore store;
    std::vector<Field> changes;
    store.add_change_listener([&](Field f) { changes.push_back(f); });

    store.set_text(Field::Text11, QStringLiteral("8"));
    store.set_text(Field::Text11, QStringLiteral("8"));
    store.set_text(Field::Text11, QStringLiteral("80"));
    store.set_text(Field::Text2, QStringLiteral("Text2"));

    EXPECT_EQ(changes, (std::vector<Field>{Field::Text11, Field::Text11}));
    EXPECT_EQ(store.text(Field::Text11), QStringLiteral("80"));
}

TEST(TextStoreTest, KeepsAProgramWrittenTextWhole)
{
    TextStore store;
    store.set_text(Field::Text4, QStringLiteral("-125000.00"));
    EXPECT_EQ(store.text(Field::Text4), QStringLiteral("-125000.00"));
}

TEST(TextStoreTest, ChangeEventsNestInsideTheWriteAndSeeTheNewText)
{
    TextStore store;
    std::vector<QString> log;
    store.add_change_listener([&](Field f) {
        log.push_back(QStringLiteral("enter ") + name_of(f) + u'=' + store.text(f));
        // Writing a result from inside a change nests its own change event,
        // which ends because the nested write repeats the same text.
        if (f == Field::Text16)
            store.set_text(Field::Text19, QStringLiteral("142"));
        log.push_back(QStringLiteral("leave ") + name_of(f));
    });

    store.set_text(Field::Text16, QStringLiteral("30"));

    EXPECT_EQ(log, (std::vector<QString>{
                       QStringLiteral("enter Text16=30"),
                       QStringLiteral("enter Text19=142"),
                       QStringLiteral("leave Text19"),
                       QStringLiteral("leave Text16"),
                   }));
}

TEST(TextStoreTest, CallsListenersInTheOrderTheyWereAdded)
{
    TextStore store;
    QString order;
    store.add_change_listener([&](Field) { order += u'a'; });
    store.add_change_listener([&](Field) { order += u'b'; });
    store.set_text(Field::Text3, QStringLiteral("1"));
    EXPECT_EQ(order, QStringLiteral("ab"));
}

} // namespace
} // namespace vorlenta
