// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

namespace vorlenta::cli {

namespace {

unsigned char byte_at(std::string_view text, std::size_t offset)
{
    return static_cast<unsigned char>(text[offset]);
}

} // namespace

std::size_t utf8_sequence_length(std::string_view text, std::size_t offset)
{
    const unsigned char lead = byte_at(text, offset);
    if (lead < 0x80)
        return 1;
    // The well-formed sequences of the Unicode standard: the second byte's
    // range depends on the lead byte, which rules out overlong forms,
    // surrogates and code points beyond U+10FFFF.
    std::size_t length = 0;
    unsigned char second_low = 0x80, second_high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        second_low = lead == 0xe0 ? 0xa0 : 0x80;
        second_high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        second_low = lead == 0xf0 ? 0x90 : 0x80;
        second_high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() - offset < length)
        return 0;
    const unsigned char second = byte_at(text, offset + 1);
    if (second < second_low || second > second_high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte_at(text, offset + i) & 0xc0) != 0x80)
            return 0;
    return length;
}

std::size_t first_invalid_utf8(std::string_view text)
{
    std::size_t offset = 0;
    while (offset < text.size()) {
        if (byte_at(text, offset) < 0x80) {
            ++offset;
            continue;
        }
        const std::size_t length = utf8_sequence_length(text, offset);
        if (length == 0)
            return offset;
        offset += length;
    }
    return std::string_view::npos;
}

int characters_before(std::string_view text, std::size_t offset)
{
    int characters = 0;
    for (std::size_t i = 0; i < offset; ++characters) {
        const std::size_t length = utf8_sequence_length(text, i);
        i += length == 0 ? 1 : length;
    }
    return characters;
}

char32_t utf8_code_point(std::string_view text, std::size_t offset, std::size_t length)
{
    const unsigned char lead = byte_at(text, offset);
    if (length == 1)
        return lead;
    char32_t point = lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i)
        point = (point << 6) | (byte_at(text, offset + i) & 0x3f);
    return point;
}

} // namespace vorlenta::cli
