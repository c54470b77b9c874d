// Byte-level handling of code page 932 text where names are compared or texts are cut: a lead byte
// and its trail byte form one character, and the trail byte may look like an ASCII letter, '\\',
// '[' or ']'. Nothing here converts text; every byte is kept as it is.
#pragma once

#include <cstddef>
#include <string_view>

namespace cp932 {

constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

constexpr bool IsTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// Bytes taken by the character at text[at]: 2 for a lead byte followed by a trail byte, otherwise
// 1 (a lead byte without a valid trail byte stands alone, so it never swallows a line end).
size_t CharLength(std::string_view text, size_t at);

// Equal names, ignoring the case of ASCII letters only; both bytes of a double-byte character must
// match exactly.
bool EqualNoCase(std::string_view a, std::string_view b);

// The longest prefix of text of at most maxBytes bytes that does not end inside a double-byte
// character.
size_t FittingLength(std::string_view text, size_t maxBytes);

// Offset of the first single-byte character c, or npos; trail bytes equal to c are skipped.
size_t FindChar(std::string_view text, char c);

}  // namespace cp932
