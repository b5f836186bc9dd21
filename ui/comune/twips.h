#pragma once

#include <QRect>
#include <QtGlobal>

namespace pianoamm {

// The window layout is given in twips (1/1440 inch): fifteen make a pixel at
// 96 dpi. Scaling by the screen's logical DPI keeps the layout in step with
// the fonts, which are given in points.
class Twips {
public:
    explicit Twips(qreal dpi) : scala(dpi / 1440.0) {}

    int operator()(int twips) const { return qRound(twips * scala); }
    QRect operator()(int left, int top, int width, int height) const
    {
        return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
    }

private:
    qreal scala;
};

}  // namespace pianoamm
