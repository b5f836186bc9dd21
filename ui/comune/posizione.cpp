#include "ui/comune/posizione.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace pianoamm {

void PosizionaAccanto(QWidget* finestra, const QWidget* accanto)
{
    const QWidget* vicina = accanto != nullptr ? accanto->window() : nullptr;
    const QScreen* schermo = vicina != nullptr ? vicina->screen() : finestra->screen();
    if (schermo == nullptr)
        return;
    const QRect area = schermo->availableGeometry();
    // Before it is first shown a window has no frame yet: the title bar is
    // reckoned from the style. A window taller or wider than the screen is
    // made to fit.
    const int titolo = finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestra);
    finestra->resize(finestra->size().boundedTo(area.size() - QSize(0, titolo)));
    const QSize misura = finestra->frameGeometry().size() + QSize(0, finestra->isVisible() ? 0 : titolo);
    QPoint punto = area.topLeft();
    if (vicina != nullptr) {
        const QRect altra = vicina->frameGeometry();
        const bool destra = altra.right() + misura.width() < area.right();
        punto = {destra ? altra.right() + 1 : altra.left() - misura.width(), altra.top()};
    }
    punto.setX(std::clamp(punto.x(), area.left(), std::max(area.left(), area.right() + 1 - misura.width())));
    punto.setY(std::clamp(punto.y(), area.top(), std::max(area.top(), area.bottom() + 1 - misura.height())));
    finestra->move(punto);
}

}  // namespace pianoamm
