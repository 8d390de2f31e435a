#include "files/message.h"

#include <vector>

namespace banzuri::files {

namespace {

std::string filled(std::string_view pattern, const std::vector<const std::string*>& arguments) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            out += *arguments[number - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace

Message verbatim(std::string_view text) {
    return {std::string(text), std::string(text)};
}

Message operator+(const Message& first, const Message& more) {
    return {first.japanese + more.japanese, first.english + more.english};
}

Message fill(const Message& pattern, std::initializer_list<Message> arguments) {
    std::vector<const std::string*> japanese;
    std::vector<const std::string*> english;
    for (const Message& argument : arguments) {
        japanese.push_back(&argument.japanese);
        english.push_back(&argument.english);
    }
    return {filled(pattern.japanese, japanese), filled(pattern.english, english)};
}

}  // namespace banzuri::files
