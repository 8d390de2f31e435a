#include "help/help_address.h"

#include <system_error>

namespace banzuri {

namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string percent_encoded(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size() * 3);
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (unreserved(c) || c == '/') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::string file_url(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) absolute = file;
    const std::u8string utf8 = absolute.lexically_normal().generic_u8string();
    std::string path(utf8.begin(), utf8.end());
    if (path.empty() || path.front() != '/') path.insert(path.begin(), '/');
    return "file://" + percent_encoded(path);
}

bool openable_address(const std::string& address) {
    if (!starts_with(address, "file:///") && !starts_with(address, "http://") &&
        !starts_with(address, "https://"))
        return false;
    for (const char ch : address) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7F) return false;
        if (ch == '"' || ch == '\'' || ch == '<' || ch == '>' || ch == '\\' || ch == '`')
            return false;
    }
    return true;
}

}  // namespace banzuri
