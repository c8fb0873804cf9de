// SPDX-License-Identifier: MIT
// draw_rule: draws the help window's rule picture, the two worked examples as a hand sketch in
// pure white, black and red with no anti-aliasing. Usage: draw_rule OUTPUT.png
#include "Layout.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <numbers>

namespace {

// The picture fills its box in the help window exactly, at its own size.
constexpr int Width = sumdrop::layout::Pixels(sumdrop::layout::HelpPicture.box.width);
constexpr int Height = sumdrop::layout::Pixels(sumdrop::layout::HelpPicture.box.height);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

// A slow, fixed wobble along every stroke, so lines look drawn by hand yet redraw identically.
QPointF Wobble(QPointF point, double phase)
{
    const double dx = 0.9 * std::sin(point.y() * 0.11 + phase) + 0.5 * std::sin(point.y() * 0.031 + 2 * phase);
    const double dy = 0.9 * std::sin(point.x() * 0.13 + 1.7 * phase) + 0.5 * std::sin(point.x() * 0.027 + phase);
    return {point.x() + dx, point.y() + dy};
}

void Stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, double width, double phase)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &part : path.toSubpathPolygons()) {
        // Resample so that the wobble also bends long straight lines.
        QPolygonF dense;
        for (qsizetype i = 0; i + 1 < part.size(); ++i) {
            const QPointF from = part.at(i);
            const QPointF to = part.at(i + 1);
            const int steps = std::max(1, static_cast<int>(QLineF(from, to).length() / 4));
            for (int s = 0; s < steps; ++s) {
                dense << Wobble(from + (to - from) * (static_cast<double>(s) / steps), phase);
            }
        }
        if (!part.isEmpty()) {
            dense << Wobble(part.last(), phase);
        }
        painter.drawPolyline(dense);
    }
}

// Digit strokes in a unit box (x right, y down), as a pen would write them.
QPainterPath DigitPath(int digit)
{
    QPainterPath path;
    switch (digit) {
    case 1:
        path.moveTo(0.22, 0.22);
        path.lineTo(0.55, 0.0);
        path.lineTo(0.55, 1.0);
        break;
    case 2:
        path.moveTo(0.06, 0.26);
        path.cubicTo(0.12, -0.08, 0.98, -0.08, 0.92, 0.3);
        path.cubicTo(0.88, 0.55, 0.3, 0.75, 0.04, 1.0);
        path.lineTo(0.98, 1.0);
        break;
    case 4:
        path.moveTo(0.72, 1.0);
        path.lineTo(0.72, 0.0);
        path.lineTo(0.0, 0.7);
        path.lineTo(1.0, 0.7);
        break;
    case 5:
        path.moveTo(0.92, 0.0);
        path.lineTo(0.2, 0.0);
        path.lineTo(0.12, 0.45);
        path.cubicTo(0.45, 0.3, 1.02, 0.4, 0.96, 0.72);
        path.cubicTo(0.9, 1.06, 0.22, 1.06, 0.04, 0.84);
        break;
    case 6:
        path.moveTo(0.82, 0.04);
        path.cubicTo(0.35, -0.06, 0.06, 0.35, 0.08, 0.72);
        path.addEllipse(QRectF(0.08, 0.44, 0.86, 0.56));
        break;
    case 8:
        path.addEllipse(QRectF(0.14, 0.0, 0.72, 0.46));
        path.addEllipse(QRectF(0.04, 0.44, 0.92, 0.56));
        break;
    default:
        break;
    }
    return path;
}

// Writes `digits` centred in `box`, each digit 24 by 38 pixels.
void Write(QPainter &painter, const QRectF &box, std::initializer_list<int> digits, double phase)
{
    constexpr double digitWidth = 24;
    constexpr double digitHeight = 38;
    constexpr double gap = 8;
    const double total = static_cast<double>(digits.size()) * (digitWidth + gap) - gap;
    double left = box.center().x() - total / 2;
    const double top = box.center().y() - digitHeight / 2;
    for (const int digit : digits) {
        QTransform place;
        place.translate(left, top);
        place.scale(digitWidth, digitHeight);
        Stroke(painter, place.map(DigitPath(digit)), Black, 5, phase);
        left += digitWidth + gap;
        phase += 1.3;
    }
}

void Box(QPainter &painter, const QRectF &box, double phase)
{
    // Four strokes that overshoot the corners a little, as a quick pen sketch does.
    QPainterPath path;
    path.moveTo(box.left() - 2, box.top());
    path.lineTo(box.right() + 1, box.top() + 1);
    path.moveTo(box.right(), box.top() - 2);
    path.lineTo(box.right() - 1, box.bottom() + 2);
    path.moveTo(box.right() + 2, box.bottom());
    path.lineTo(box.left() - 1, box.bottom() - 1);
    path.moveTo(box.left(), box.bottom() + 1);
    path.lineTo(box.left() + 1, box.top() - 2);
    Stroke(painter, path, Black, 4, phase);
}

void Arrow(QPainter &painter, double x, double top, double bottom, double phase)
{
    QPainterPath path;
    path.moveTo(x, top);
    path.lineTo(x + 1, bottom);
    path.moveTo(x - 14, bottom - 16);
    path.lineTo(x + 1, bottom);
    path.lineTo(x + 15, bottom - 17);
    Stroke(painter, path, Black, 5, phase);
}

// One worked example: two boxes, an arrow down, and the box below with what was written in it.
void Example(QPainter &painter, double centre, std::initializer_list<int> left, std::initializer_list<int> right,
             std::initializer_list<int> below, double phase)
{
    constexpr double cell = 58;
    constexpr double top = 22;
    Box(painter, QRectF(centre - cell - 6, top, cell, cell), phase);
    Write(painter, QRectF(centre - cell - 6, top, cell, cell), left, phase + 0.4);
    Box(painter, QRectF(centre + 6, top, cell, cell), phase + 0.8);
    Write(painter, QRectF(centre + 6, top, cell, cell), right, phase + 1.1);
    Arrow(painter, centre, top + cell + 10, 156, phase + 1.5);
    const double width = below.size() > 1 ? 84 : cell;
    const QRectF box(centre - width / 2, 178, width, cell);
    Box(painter, box, phase + 2.0);
    Write(painter, box, below, phase + 2.4);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_rule OUTPUT.png\n");
        return 2;
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);

        Example(painter, 96, {4}, {8}, {1, 2}, 0.0);
        // A big red cross: 4 + 8 is 12, but a box holds one digit.
        QPainterPath cross;
        cross.moveTo(40, 166);
        cross.lineTo(154, 262);
        cross.moveTo(152, 164);
        cross.lineTo(38, 264);
        Stroke(painter, cross, Red, 6, 0.7);

        Example(painter, 287, {5}, {6}, {1}, 3.0);
        // A red circle: 5 + 6 is 11, and its ones digit 1 is the answer.
        QPainterPath circle;
        const double turns = 1.08; // the pen runs on a little past where it started
        for (int i = 0; i <= 160; ++i) {
            const double angle = -std::numbers::pi / 2 + turns * 2 * std::numbers::pi * i / 160;
            const double wobble = 1 + 0.04 * std::sin(3 * angle);
            const QPointF point(287 + 66 * wobble * std::cos(angle), 207 + 48 * wobble * std::sin(angle));
            if (i == 0) {
                circle.moveTo(point);
            } else {
                circle.lineTo(point);
            }
        }
        Stroke(painter, circle, Red, 7, 1.9);
    }
    if (!image.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "draw_rule: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
