#include "settings/Cp932Text.h"

namespace cp932 {
namespace {

constexpr unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

size_t CharLength(std::string_view text, size_t at) {
    if (at + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[at])) &&
        IsTrailByte(static_cast<unsigned char>(text[at + 1])))
        return 2;
    return 1;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    // Names of one profile mostly differ at their end ("VisColorR05", "VisColorG05"): a cheap
    // early answer. Bytes that differ after folding differ in any case.
    if (!a.empty() &&
        FoldAscii(static_cast<unsigned char>(a.back())) != FoldAscii(static_cast<unsigned char>(b.back())))
        return false;
    // Folding leaves every non-letter as it is, so wherever the names still agree their character
    // boundaries agree too: walking a's characters walks b's.
    for (size_t i = 0; i < a.size();) {
        const size_t length = CharLength(a, i);
        if (length == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i]))) {
            return false;
        }
        i += length;
    }
    return true;
}

size_t FittingLength(std::string_view text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t length = CharLength(text, end);
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return end;
}

size_t FindChar(std::string_view text, char c) {
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (text[i] == c)
            return i;
    }
    return std::string_view::npos;
}

}  // namespace cp932
