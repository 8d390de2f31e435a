// The window's modal message boxes, as the game's components see them.
#pragma once

#include <string>

namespace banzuri {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal box with an OK button and no icon.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // Modal box with Yes and No buttons and no icon; true for Yes.
    virtual bool ask_yes_no(const std::string& text, const std::string& title) = 0;
    // Modal box with an OK button and the warning (exclamation) icon.
    virtual void warning(const std::string& text, const std::string& title) = 0;
};

}  // namespace banzuri
