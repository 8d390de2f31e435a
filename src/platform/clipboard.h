// The desktop's clipboard.
#pragma once

#include <string>

namespace banzuri {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Puts UTF-8 text on the clipboard.
    virtual void set_text(const std::string& text) = 0;
};

}  // namespace banzuri
