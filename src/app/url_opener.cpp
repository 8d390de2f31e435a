#include "app/url_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace banzuri::app {

bool QtUrlOpener::open_url(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}

}  // namespace banzuri::app
