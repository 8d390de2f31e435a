#include "app/about_box.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>

#include "build_info.h"
#include "picture_art.h"
#include "wood.h"

namespace banzuri::app {

namespace {

// Sizes in pixels (15 twips each): the client area is 4995 x 1530 twips, each button
// 1575 x 375 twips, at (600, 1080) and (2880, 1080) twips.
constexpr int kWidth = 333;
constexpr int kHeight = 102;
constexpr QRect kHomepageButton(40, 72, 105, 25);
constexpr QRect kOkButton(192, 72, 105, 25);

// The board's wood over the whole box, with a darker rim.
void paint_wood(QPainter& painter) {
    pictures::paint_square_wood(painter, kWidth, kHeight);
    painter.setPen(QPen(QColor(110, 70, 35), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

void paint_version(QPainter& painter) {
    QFont font;
    font.setFamilies({"IPAPMincho", "IPA P明朝", "IPAMincho", "serif"});
    font.setPixelSize(12);
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    painter.setFont(font);
    painter.setPen(QColor(58, 28, 8));
    painter.drawText(
        QRectF(204, 54, 120, 16), Qt::AlignCenter,
        QCoreApplication::translate("AboutBox", "バージョン %1").arg(QString::fromUtf8(VERSION)));
}

// A picture of natural size `rect` painted at the device pixels it covers.
void draw_sharp(QPainter& painter, const QRectF& rect, qreal ratio,
                const std::function<QImage(QSize)>& paint) {
    QImage image = paint((rect.size() * ratio).toSize());
    image.setDevicePixelRatio(ratio);
    painter.drawImage(rect.topLeft(), image);
}

}  // namespace

QImage AboutBox::picture(qreal ratio, PieceSet set) {
    QImage image((QSizeF(kWidth, kHeight) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint_wood(painter);
    draw_sharp(painter, QRectF(10, 10, 188, 48), ratio,
               [](QSize device) { return pictures::paint_picture("KANBAN", device); });
    const QSizeF piece(pictures::LONE_PIECE_WIDTH, pictures::LONE_PIECE_HEIGHT);
    draw_sharp(painter, QRectF(QPointF(214, 6), piece), ratio,
               [set](QSize device) { return pictures::paint_lone_piece("OU", true, device, set); });
    draw_sharp(painter, QRectF(QPointF(264, 6), piece), ratio, [set](QSize device) {
        return pictures::paint_lone_piece("OU", false, device, set);
    });
    paint_version(painter);
    return image;
}

AboutBox::AboutBox(std::function<bool()> open_homepage, QWidget* parent, PieceSet set)
    : QDialog(parent),
      open_homepage_(std::move(open_homepage)),
      set_(set),
      picture_(picture(devicePixelRatioF(), set)) {
    setWindowTitle(QCoreApplication::translate("AboutBox", "バージョン情報"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    homepage_ = new QPushButton(QCoreApplication::translate("AboutBox", "ホームページ"), this);
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
    if (picture_.devicePixelRatio() != devicePixelRatioF())
        picture_ = picture(devicePixelRatioF(), set_);  // moved to a screen of another scale
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void AboutBox::homepage_clicked() {
    if (open_homepage_ && open_homepage_()) accept();
}

}  // namespace banzuri::app
