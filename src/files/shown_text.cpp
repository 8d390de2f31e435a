#include "files/shown_text.h"

#include <cstdio>

namespace banzuri::files {

namespace {

// Length of the UTF-8 sequence starting at `at`; 0 when it is malformed.
std::size_t sequence_length(std::string_view b, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > b.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::size_t utf8_length(std::string_view text) {
    return text.empty() ? 0 : sequence_length(text, 0);
}

char32_t code_point(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return lead;
    char32_t code = lead & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    return code;
}

bool is_control(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

bool is_bidi_control(char32_t code) {
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

std::string escaped(std::string_view bytes, char32_t code) {
    char text[16];
    if (code > 0xFF) {
        std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(code));
        return text;
    }
    std::string out;
    for (char c : bytes) {
        std::snprintf(text, sizeof text, "\\x%02x",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += text;
    }
    return out;
}

std::string shown(std::string_view text, std::size_t limit) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        if (out.size() >= limit) return out + "…";
        const std::size_t length = utf8_length(text.substr(at));
        const char32_t code = length == 0 ? 0 : code_point(text.substr(at, length));
        if (length == 0 || is_control(code) || is_bidi_control(code)) {
            out += escaped(text.substr(at, length == 0 ? 1 : length), code);
            at += length == 0 ? 1 : length;
            continue;
        }
        out += text.substr(at, length);
        at += length;
    }
    return out;
}

std::string shown_path(const std::string& path) {
    return shown(path, std::string::npos);
}

}  // namespace banzuri::files
