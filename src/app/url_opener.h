// Opens help and home pages in the user's browser through the desktop's URL handler; no shell
// is involved and the address is passed whole.
#pragma once

#include <QUrl>
#include <string>

#include "play/platform.h"

namespace banzuri::app {

class QtUrlOpener : public UrlOpener {
  public:
    bool open_url(const std::string& url) override;

    // The address as Qt takes it; an invalid QUrl when the game should not open it.
    static QUrl checked_url(const std::string& url);
};

}  // namespace banzuri::app
