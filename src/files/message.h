// A text the player may read, in each of the game's languages. The record and file code says
// what went wrong in both; the window shows the one the player chose, the command line the
// Japanese one.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace banzuri::files {

struct Message {
    std::string japanese;
    std::string english;

    bool empty() const { return japanese.empty() && english.empty(); }
    bool operator==(const Message&) const = default;
};

// A text that reads the same in every language: a number, a file name, a move as written.
Message verbatim(std::string_view text);

// Each language's text followed by the same language's text of `more`.
Message operator+(const Message& first, const Message& more);

// `pattern` with "%1", "%2", ... replaced, in each language, by that language's text of the
// argument with that number. A number with no argument stays as it stands.
Message fill(const Message& pattern, std::initializer_list<Message> arguments);

}  // namespace banzuri::files
