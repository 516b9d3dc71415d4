// SPDX-License-Identifier: MIT
#include "text/utf8.h"

namespace vorlenta::text {

Utf8Char decode_utf8(std::string_view text, std::size_t offset)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    // The second byte's range depends on the lead byte: that rules out
    // overlong forms (E0 80..9F, F0 80..8F), surrogates (ED A0..BF) and code
    // points beyond U+10FFFF (F4 90..BF), which a check of the continuation
    // bits alone lets through.
    std::size_t length = 0;
    unsigned char second_low = 0x80, second_high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        second_low = lead == 0xE0 ? 0xA0 : 0x80;
        second_high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        second_low = lead == 0xF0 ? 0x90 : 0x80;
        second_high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0, 0}; // a continuation byte, C0, C1 or F5 to FF
    }
    if (text.size() - offset < length || byte(1) < second_low || byte(1) > second_high)
        return {0, 0};
    char32_t code_point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {0, 0};
        code_point = (code_point << 6) | (byte(i) & 0x3F);
    }
    return {code_point, length};
}

void append_utf8(std::string &text, char32_t code_point)
{
    if (code_point < 0x80) {
        text += char(code_point);
    } else if (code_point < 0x800) {
        text += char(0xC0 | (code_point >> 6));
        text += char(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        text += char(0xE0 | (code_point >> 12));
        text += char(0x80 | ((code_point >> 6) & 0x3F));
        text += char(0x80 | (code_point & 0x3F));
    } else {
        text += char(0xF0 | (code_point >> 18));
        text += char(0x80 | ((code_point >> 12) & 0x3F));
        text += char(0x80 | ((code_point >> 6) & 0x3F));
        text += char(0x80 | (code_point & 0x3F));
    }
}

std::size_t first_invalid_utf8(std::string_view text)
{
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = decode_utf8(text, offset).length;
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
        const std::size_t length = decode_utf8(text, i).length;
        i += length == 0 ? 1 : length;
    }
    return characters;
}

} // namespace vorlenta::text
