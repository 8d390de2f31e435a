#include "app/about_box.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <utility>

#include "build_info.h"

namespace banzuri::app {

namespace {

// Sizes in pixels (15 twips each): the client area is 4995 x 1530 twips, each button
// 1575 x 375 twips, at (600, 1080) and (2880, 1080) twips.
constexpr int kWidth = 333;
constexpr int kHeight = 102;
constexpr QRect kHomepageButton(40, 72, 105, 25);
constexpr QRect kOkButton(192, 72, 105, 25);

void paint_wood(QPainter& painter) {
    QLinearGradient wood(0, 0, kWidth, kHeight);
    wood.setColorAt(0.0, QColor(222, 184, 135));
    wood.setColorAt(0.5, QColor(205, 160, 100));
    wood.setColorAt(1.0, QColor(170, 120, 70));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), wood);
    painter.setPen(QColor(150, 105, 60, 90));
    for (int y = 6; y < kHeight; y += 9)  // a faint grain
        painter.drawLine(0, y, kWidth, y + 3);
    painter.setPen(QColor(110, 70, 35));
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
}

void paint_title(QPainter& painter, const QRect& area) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(QColor(60, 30, 10));
    painter.drawText(area.translated(2, 2), Qt::AlignCenter, QStringLiteral("Banzuri"));
    painter.setPen(QColor(255, 245, 220));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Banzuri"));
}

void paint_version(QPainter& painter) {
    QFont font = painter.font();
    font.setBold(false);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(60, 30, 10));
    painter.drawText(QRect(204, 54, 120, 16), Qt::AlignCenter,
                     QStringLiteral("バージョン ") + QString::fromUtf8(VERSION));
}

}  // namespace

QImage AboutBox::picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_wood(painter);
    const QImage banner(QStringLiteral(":/pictures/KANBAN.png"));
    if (banner.isNull()) {
        paint_title(painter, QRect(0, 4, kWidth, 54));
    } else {
        painter.drawImage(QPoint(10, 10), banner);
    }
    const QImage lower_king(QStringLiteral(":/pictures/SITA_OU.png"));
    const QImage upper_king(QStringLiteral(":/pictures/UE_OU.png"));
    if (!upper_king.isNull()) painter.drawImage(QPoint(216, 6), upper_king);
    if (!lower_king.isNull()) painter.drawImage(QPoint(266, 6), lower_king);
    paint_version(painter);
    return image;
}

AboutBox::AboutBox(std::function<bool()> open_homepage, QWidget* parent)
    : QDialog(parent), open_homepage_(std::move(open_homepage)), picture_(picture()) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    homepage_ = new QPushButton(QStringLiteral("ホームページ"), this);
    homepage_->setObjectName(QStringLiteral("homepage"));
    homepage_->setGeometry(kHomepageButton);
    homepage_->setAutoDefault(false);
    connect(homepage_, &QPushButton::clicked, this, &AboutBox::homepage_clicked);

    ok_ = new QPushButton(QStringLiteral("O K"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setGeometry(kOkButton);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void AboutBox::homepage_clicked() {
    if (open_homepage_ && open_homepage_()) accept();
}

}  // namespace banzuri::app
