#pragma once
// Where a control's letters are drawn, found in its own rendering at the screen's scale, in
// device pixels, and the conversions between those pixels and points.
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace brivan::testing {

inline qreal screenScale() { return qApp->devicePixelRatio(); }

inline QImage rgb(const QPixmap& shot) { return shot.toImage().convertToFormat(QImage::Format_RGB32); }

// The box around every pixel of a rendering that differs from the same rendering without letters.
inline QRect ink(const QImage& drawn, const QImage& without) {
    int left = drawn.width(), top = drawn.height(), right = -1, bottom = -1;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* blank = reinterpret_cast<const QRgb*>(without.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (((line[x] ^ blank[x]) & 0xFFFFFF) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Letters on a background of one colour: a label's, a line edit's.
inline QRect ink(QWidget* widget, QPalette::ColorRole background) {
    const QImage shot = rgb(widget->grab());
    QImage blank(shot.size(), shot.format());
    blank.fill(widget->palette().color(background));
    return ink(shot, blank);
}

// A widget's style option, filled as the widget fills it to paint itself (which it keeps protected).
template <class Widget, class Option>
Option styleOption(const Widget* widget) {
    struct Opened : Widget {
        using Widget::initStyleOption;
    };
    Option option;
    (widget->*&Opened::initStyleOption)(&option);
    return option;
}

// A button painted as it paints itself, with or without its caption.
inline QImage drawn(const QPushButton* button, bool withCaption) {
    auto option = styleOption<QPushButton, QStyleOptionButton>(button);
    if (!withCaption) option.text.clear();
    QPixmap pixmap(button->size() * screenScale());
    pixmap.setDevicePixelRatio(screenScale());
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setFont(button->font());  // as the button's own painter starts
    button->style()->drawControl(QStyle::CE_PushButton, &option, &painter, button);
    painter.end();
    return rgb(pixmap);
}

// The caption's letters of a button.
inline QRect ink(const QPushButton* button) { return ink(drawn(button, true), drawn(button, false)); }

// The size of a text's letters drawn whole, with nothing in their way.
inline QSize wholeInk(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const int room = metrics.height();
    QPixmap pixmap(QSize(metrics.horizontalAdvance(text) + 2 * room, 3 * room) * screenScale());
    pixmap.setDevicePixelRatio(screenScale());
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setFont(font);
    painter.drawText(QPoint(room, 2 * room), text);
    painter.end();
    const QImage drawn = rgb(pixmap);
    QImage blank(drawn.size(), drawn.format());
    blank.fill(Qt::white);
    return ink(drawn, blank).size();
}

// Device pixels as the points they fall in.
inline QRect inPoints(const QRect& pixels) {
    const qreal r = screenScale();
    return QRect(QPoint(int(pixels.left() / r), int(pixels.top() / r)),
                 QPoint(int(pixels.right() / r), int(pixels.bottom() / r)));
}

// The device pixels that a box in points covers, wholly or in part.
inline QRect inPixels(const QRect& points) {
    return QRectF(QPointF(points.topLeft()) * screenScale(), QSizeF(points.size()) * screenScale()).toAlignedRect();
}

}  // namespace brivan::testing
