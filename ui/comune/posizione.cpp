#include "ui/comune/posizione.h"

#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace pianoamm {

namespace {

void Colloca(QWidget* finestra, const QWidget* accanto)
{
    const QWidget* vicina = accanto != nullptr ? accanto->window() : nullptr;
    const QScreen* schermo = vicina != nullptr ? vicina->screen() : finestra->screen();
    if (schermo == nullptr)
        return;
    const QRect area = schermo->availableGeometry();
    // Before it is first shown a window has no frame yet: its borders and
    // title bar are reckoned from the style. A window taller or wider than
    // the screen is made to fit.
    const QSize cornice =
        finestra->isVisible()
            ? finestra->frameGeometry().size() - finestra->size()
            : QSize(2, 1) * finestra->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, finestra)
                  + QSize(0, finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestra));
    finestra->resize(finestra->size().boundedTo(area.size() - cornice));
    const QSize misura = finestra->size() + cornice;
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

}  // namespace

void PosizionaAccanto(QWidget* finestra, const QWidget* accanto)
{
    Colloca(finestra, accanto);
    // Once shown, with the frame the window manager gave it, again.
    QTimer::singleShot(0, finestra, [finestra, vicina = QPointer<const QWidget>(accanto)] {
        if (finestra->isVisible())
            Colloca(finestra, vicina);
    });
}

}  // namespace pianoamm
