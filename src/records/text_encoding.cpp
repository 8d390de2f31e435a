#include "records/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace banzuri::records {

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

// Converts all of `in` with iconv; nothing on an invalid or unconvertible sequence.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   std::size_t& bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        bad = 0;
        return std::nullopt;
    }
    std::string out;
    std::string buffer(4096, '\0');
    char* source = const_cast<char*>(in.data());
    std::size_t source_left = in.size();
    bool ok = true;
    while (source_left > 0) {
        char* target = buffer.data();
        std::size_t target_left = buffer.size();
        const std::size_t result = iconv(cd, &source, &source_left, &target, &target_left);
        out.append(buffer.data(), buffer.size() - target_left);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    bad = static_cast<std::size_t>(source - in.data());
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

bool is_utf8(std::string_view bytes, std::size_t& bad) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequence_length(bytes, at);
        if (length == 0) {
            bad = at;
            return false;
        }
        at += length;
    }
    return true;
}

std::optional<std::string> cp932_to_utf8(std::string_view bytes, std::size_t& bad) {
    return convert("UTF-8", "CP932", bytes, bad);
}

std::optional<std::string> utf8_to_cp932(std::string_view text) {
    std::size_t bad = 0;
    return convert("CP932", "UTF-8", text, bad);
}

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

int line_at(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(
                   bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

}  // namespace banzuri::records
