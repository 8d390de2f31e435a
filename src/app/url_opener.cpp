#include "app/url_opener.h"

#include <QDesktopServices>
#include <QString>

#include "help/help_address.h"

namespace banzuri::app {

QUrl QtUrlOpener::checked_url(const std::string& url) {
    if (!openable_address(url)) return {};
    QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = address.scheme();
    if (!address.isValid() || (scheme != QLatin1String("file") && scheme != QLatin1String("http") &&
                               scheme != QLatin1String("https")))
        return {};
    return address;
}

bool QtUrlOpener::open_url(const std::string& url) {
    const QUrl address = checked_url(url);
    if (!address.isValid()) return false;
    return QDesktopServices::openUrl(address);
}

}  // namespace banzuri::app
