#include "app/url_opener.h"

#include <QProcess>
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
    // The opener runs on its own; a desktop opener that waits for the browser is left to it.
    auto* opener = new QProcess;
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) opener->deleteLater();
    });
    opener->start(opener_, {address.toString(QUrl::FullyEncoded)});
    if (!opener->waitForStarted(wait_ms_)) return false;
    if (!opener->waitForFinished(wait_ms_)) return opener->state() == QProcess::Running;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

}  // namespace banzuri::app
