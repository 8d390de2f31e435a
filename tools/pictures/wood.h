// Shared wood, light and noise helpers of the picture painter.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace banzuri::pictures {

// A value in [0, 1) that depends only on its arguments.
double hash_noise(int x, int y, int seed);

// A channel value rounded and kept within 0..255.
int clamp_channel(double v);

// Adds a little brightness noise to every device pixel; noise of single pixels tiles freely.
void add_noise(QImage& image, double amount, int seed);

// Plain wood of the board squares: warm golden with fine vertical grain, on a painter already
// scaled; the size is in pixels at scale 1.
void paint_square_wood(QPainter& painter, double width, double height);

// The piece outline: a pentagon pointing up, inside the box (left, top, width, height).
QPolygonF piece_outline(double left, double top, double width, double height);

// A wooden piece body with a soft shadow below and to the right; light comes from the upper
// left whatever way the piece points. `upside_down` turns it by 180 degrees about its centre.
void paint_piece_body(QPainter& painter, const QPolygonF& outline, bool upside_down);

// A new transparent or filled image of `device` pixels.
QImage new_image(QSize device, QColor fill = Qt::transparent);

// Scales the painter so that a picture of natural size width x height (pixels at scale 1)
// fills the device size of its image exactly.
void scale_to(QPainter& painter, QSize device, double width, double height);

// The device size of a picture of natural size width x height at a whole scale.
QSize device_size(int width, int height, int scale);

}  // namespace banzuri::pictures
