#include "text_outline.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace banzuri::pictures {

QPainterPath text_outline(const QFont& font, const QString& text) {
    static QMutex mutex;
    static QHash<QString, QPainterPath> kept;
    const QString key = font.families().join(QLatin1Char(',')) + QLatin1Char('|') +
                        font.toString() + QLatin1Char('|') + text;
    const QMutexLocker lock(&mutex);
    auto found = kept.constFind(key);
    if (found == kept.constEnd()) {
        QPainterPath path;
        path.addText(0, 0, font, text);
        found = kept.insert(key, path);
    }
    return *found;
}

}  // namespace banzuri::pictures
