#include "records/text_encoding.h"

#include "files/shown_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace banzuri::records {

namespace {

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
        const std::size_t length = files::utf8_length(bytes.substr(at));
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

int line_at(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(
                   bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

}  // namespace banzuri::records
