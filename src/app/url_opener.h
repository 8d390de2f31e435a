// Opens help and home pages in the user's browser through the platform's URL opener.
#pragma once

#include <filesystem>
#include <string>

#include "play/platform.h"

namespace banzuri::app {

class QtUrlOpener : public UrlOpener {
  public:
    bool open_url(const std::string& url) override;
};

}  // namespace banzuri::app
