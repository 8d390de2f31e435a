// Opening an address in the user's browser.
#pragma once

#include <string>

namespace banzuri {

class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // Opens the address in the user's browser; false when that failed.
    virtual bool open_url(const std::string& url) = 0;
};

}  // namespace banzuri
