#include "contact_sheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace banzuri::pictures {

QImage contact_sheet(const std::vector<std::pair<QString, QImage>>& pictures, qreal ratio) {
    constexpr int kColumns = 7;
    constexpr int kCellWidth = 200;
    constexpr int kCellHeight = 78;
    const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
    QImage sheet(static_cast<int>(kColumns * kCellWidth * ratio),
                 static_cast<int>(rows * kCellHeight * ratio), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(92, 92, 96));
    QPainter painter(&sheet);
    QFont label;
    label.setFamilies({"DejaVu Sans", "sans-serif"});
    label.setPixelSize(10);
    painter.setFont(label);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int column = static_cast<int>(i) % kColumns;
        const int row = static_cast<int>(i) / kColumns;
        const QPoint corner(column * kCellWidth + 6, row * kCellHeight + 6);
        const QImage& image = pictures[i].second;
        // Two copies side by side show whether the picture tiles.
        painter.drawImage(corner, image);
        const QSizeF size = image.deviceIndependentSize();
        if (size.width() < 60)
            painter.drawImage(corner + QPoint(static_cast<int>(size.width()), 0), image);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(corner.x(), corner.y() + 64), pictures[i].first);
    }
    return sheet;
}

}  // namespace banzuri::pictures
