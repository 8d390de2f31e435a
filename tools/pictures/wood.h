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
void paint_square_wood(QPainter& painter, int width, int height);

// The piece outline: a pentagon pointing up, inside the box (left, top, width, height).
QPolygonF piece_outline(double left, double top, double width, double height);

// A wooden piece body with a soft shadow below and to the right; light comes from the upper
// left whatever way the piece points. `upside_down` turns it by 180 degrees about its centre.
void paint_piece_body(QPainter& painter, const QPolygonF& outline, bool upside_down);

// A new transparent or filled image of the given size at scale 1, with the scale applied.
QImage new_image(int width, int height, int scale, QColor fill = Qt::transparent);

}  // namespace banzuri::pictures
