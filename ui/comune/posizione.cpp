#include "ui/comune/posizione.h"

#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace pianoamm {

namespace {

// A window whose layout cannot shrink to the room there is scrolls its
// contents instead: made smaller, it would otherwise cut them off.
void ScorriSeServe(QWidget* finestra, const QSize& spazio)
{
    QLayout* impaginazione = finestra->layout();
    if (impaginazione == nullptr || finestra->property("scorre").toBool()
        || spazio.expandedTo(impaginazione->minimumSize()) == spazio)
        return;
    finestra->setProperty("scorre", true);
    auto* contenuto = new QWidget;
    // The layout, and with it every control, moves to the scrolled page.
    contenuto->setLayout(impaginazione);
    auto* area = new QScrollArea(finestra);
    area->setObjectName(QStringLiteral("scrScorrimento"));
    // It takes the focus, to scroll by keys: a screen reader names it.
    area->setAccessibleName(finestra->windowTitle());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(contenuto);
    auto* esterna = new QVBoxLayout(finestra);
    esterna->setContentsMargins(0, 0, 0, 0);
    esterna->addWidget(area);
}

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
    ScorriSeServe(finestra, area.size() - cornice);
    finestra->resize(finestra->size().boundedTo(area.size() - cornice));
    const QSize misura = finestra->size() + cornice;
    // Right of the other window, else left of it, else in the middle.
    QPoint punto = area.center() - QPoint(misura.width(), misura.height()) / 2;
    if (vicina != nullptr) {
        const QRect altra = vicina->frameGeometry();
        if (altra.right() + misura.width() < area.right())
            punto = {altra.right() + 1, altra.top()};
        else if (altra.left() - misura.width() >= area.left())
            punto = {altra.left() - misura.width(), altra.top()};
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
