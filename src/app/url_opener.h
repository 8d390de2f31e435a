// Opens help and home pages in the user's browser through the desktop's opener (xdg-open); no
// shell is involved and the address is passed whole as one argument.
#pragma once

#include <QString>
#include <QUrl>
#include <string>

#include "play/platform.h"

namespace banzuri::app {

class QtUrlOpener : public UrlOpener {
  public:
    // `opener` is the program that is handed the address; `wait_ms` how long its answer is
    // awaited before the page counts as opened (an opener that stays with the browser).
    explicit QtUrlOpener(QString opener = QStringLiteral("xdg-open"), int wait_ms = 5000)
        : opener_(std::move(opener)), wait_ms_(wait_ms) {}

    // True only when the opener ran and said it succeeded (exit status 0), or is still busy
    // with the page after the wait; false when it is missing, crashed or reported a failure.
    bool open_url(const std::string& url) override;

    // The address as Qt takes it; an invalid QUrl when the game should not open it.
    static QUrl checked_url(const std::string& url);

  private:
    QString opener_;
    int wait_ms_;
};

}  // namespace banzuri::app
