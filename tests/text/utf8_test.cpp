// SPDX-License-Identifier: MIT
// UTF-8 decoding at the edges of the well-formed sequences: the last and
// first code point of each length, and every way a sequence can be ill-formed.

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace vorlenta::text {
namespace {

struct DecodeRow {
    const char *name;
    std::string_view bytes;
    char32_t code_point; // when length > 0
    std::size_t length;
};

const DecodeRow decode_rows[] = {
    {"ASCII", "A", U'A', 1},
    {"smallest two-byte", "\xC2\x80", 0x80, 2},
    {"largest two-byte", "\xDF\xBF", 0x7FF, 2},
    {"smallest three-byte", "\xE0\xA0\x80", 0x800, 3},
    {"below the surrogates", "\xED\x9F\xBF", 0xD7FF, 3},
    {"above the surrogates", "\xEE\x80\x80", 0xE000, 3},
    {"smallest four-byte", "\xF0\x90\x80\x80", 0x10000, 4},
    {"largest code point", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
    {"stray continuation byte", "\x80", 0, 0},
    {"overlong two-byte (C0)", "\xC0\x80", 0, 0},
    {"overlong two-byte (C1)", "\xC1\xBF", 0, 0},
    {"overlong three-byte", "\xE0\x9F\xBF", 0, 0},
    {"overlong four-byte", "\xF0\x8F\xBF\xBF", 0, 0},
    {"first surrogate", "\xED\xA0\x80", 0, 0},
    {"last surrogate", "\xED\xBF\xBF", 0, 0},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80", 0, 0},
    {"lead byte F5", "\xF5\x80\x80\x80", 0, 0},
    {"ASCII where the third byte belongs",
     "\xE2\x82"
     "A",
     0, 0},
    {"cut after two of three bytes", "\xE2\x82", 0, 0},
    {"cut after three of four bytes", "\xF0\x9F\x98", 0, 0},
    // The bytes go on in memory, but not in the text.
    {"cut by the end of the view", std::string_view("\xE2\x82\xAC", 2), 0, 0},
};

TEST(Utf8, DecodesWellFormedSequencesAndNothingElse)
{
    for (const DecodeRow &row : decode_rows) {
        SCOPED_TRACE(row.name);
        const Utf8Char c = decode_utf8(row.bytes, 0);
        EXPECT_EQ(c.length, row.length);
        if (row.length > 0) {
            EXPECT_EQ(c.code_point, row.code_point);
            std::string encoded;
            append_utf8(encoded, row.code_point);
            EXPECT_EQ(encoded, row.bytes);
        }
    }
}

TEST(Utf8, FindsTheFirstInvalidByteAndCountsCharacters)
{
    const std::string_view text =
        "a\xE2\x82\xAC\xFF"
        "b\xF0\x9F\x98";
    EXPECT_EQ(first_invalid_utf8(text), 4u);
    EXPECT_EQ(first_invalid_utf8(text.substr(0, 4)), std::string_view::npos);
    EXPECT_EQ(first_invalid_utf8(text.substr(5, 1)), std::string_view::npos);
    // An invalid byte counts as one character, as do each of a cut sequence's.
    EXPECT_EQ(characters_before(text, 4), 2);
    EXPECT_EQ(characters_before(text, text.size()), 7);
}

} // namespace
} // namespace vorlenta::text
