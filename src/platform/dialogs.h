// The window's modal message boxes, as the game's components see them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace banzuri {

enum class Answer { YES, NO };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal box with an OK button and no icon.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // Modal box with Yes and No buttons and no icon; true for Yes. `preferred` is the button
    // Enter presses: No for questions whose Yes would discard moves.
    virtual bool ask_yes_no(const std::string& text, const std::string& title,
                            Answer preferred) = 0;
    bool ask_yes_no(const std::string& text, const std::string& title) {
        return ask_yes_no(text, title, Answer::YES);
    }
    // Modal box with an OK button and the warning (exclamation) icon.
    virtual void warning(const std::string& text, const std::string& title) = 0;
    // Modal box listing `items`, the first one picked, with OK and キャンセル buttons and no
    // icon; the index of the item picked, or nothing when cancelled.
    virtual std::optional<std::size_t> choose(const std::string& text, const std::string& title,
                                              const std::vector<std::string>& items) = 0;
};

}  // namespace banzuri
