// Whether a text holds anything an English player could not read: hiragana, katakana
// (half-width too), kanji, CJK punctuation or full-width forms. UTF-8.
#pragma once

#include <string>

namespace banzuri::testing {

inline bool has_japanese(const std::string& text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0xE3 || c > 0xEF) continue;
        const unsigned code = ((c & 0x0Fu) << 12) |
                              ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                              (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return true;
    }
    return false;
}

}  // namespace banzuri::testing
