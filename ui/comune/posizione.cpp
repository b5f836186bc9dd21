#include "ui/comune/posizione.h"

#include <QEvent>
#include <QLabel>
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

// Whether, at its size, a wrapping line of text in the window is given
// less height than its width asks: it would show its first lines only.
bool TestoTagliato(QWidget* finestra)
{
    const QList<QLabel*> etichette = finestra->findChildren<QLabel*>();
    return std::ranges::any_of(etichette, [](const QLabel* etichetta) {
        return etichetta->wordWrap() && etichetta->isVisibleTo(etichetta->window())
               && etichetta->height() < etichetta->heightForWidth(etichetta->width());
    });
}

// A window whose layout cannot shrink to the room there, or whose wrapping
// text would be cut, scrolls its contents instead.
void Scorri(QWidget* finestra)
{
    QLayout* impaginazione = finestra->layout();
    if (impaginazione == nullptr || finestra->property("scorre").toBool())
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
    // Until the window manager has put its frame around the window, Qt
    // takes it for none: the borders and title bar are then reckoned from
    // the style, or the title bar would go above the screen's edge. A window
    // taller or wider than the screen is made to fit.
    QSize cornice = finestra->frameGeometry().size() - finestra->size();
    if (!finestra->isVisible() || cornice.isNull())
        cornice = QSize(2, 1) * finestra->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, finestra)
                  + QSize(0, finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestra));
    const QSize spazio = area.size() - cornice;
    if (finestra->layout() != nullptr && spazio.expandedTo(finestra->layout()->minimumSize()) != spazio)
        Scorri(finestra);
    finestra->resize(finestra->size().boundedTo(spazio));
    // Laid out at that size now, shown or not.
    if (finestra->layout() != nullptr) {
        finestra->layout()->invalidate();
        finestra->layout()->activate();
    }
    if (TestoTagliato(finestra)) {
        Scorri(finestra);
        finestra->resize(finestra->size().boundedTo(spazio));
    }
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

// Places the window again once its frame is known, where the frame then
// lies off the screen: the window manager puts it around the window some
// time after it is shown. Later moves are the user's own.
class ConCornice : public QObject {
public:
    ConCornice(QWidget* finestra, const QWidget* accanto) : QObject(finestra), vicina(accanto)
    {
        finestra->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* finestra = static_cast<QWidget*>(oggetto);
        if ((evento->type() == QEvent::Move || evento->type() == QEvent::Resize) && finestra->isVisible()
            && finestra->frameGeometry().size() != finestra->size()) {
            finestra->removeEventFilter(this);
            deleteLater();
            if (finestra->screen() != nullptr
                && !finestra->screen()->availableGeometry().contains(finestra->frameGeometry()))
                Colloca(finestra, vicina);
        }
        return false;
    }

private:
    QPointer<const QWidget> vicina;
};

}  // namespace

void PosizionaAccanto(QWidget* finestra, const QWidget* accanto)
{
    Colloca(finestra, accanto);
    // Once shown, again, with its frame where it already has one; else once
    // the window manager gives it one.
    auto* attesa = new ConCornice(finestra, accanto);
    QTimer::singleShot(0, finestra, [finestra, attesa = QPointer(attesa), vicina = QPointer<const QWidget>(accanto)] {
        if (!finestra->isVisible())
            return;
        Colloca(finestra, vicina);
        if (finestra->frameGeometry().size() != finestra->size())
            delete attesa;
    });
}

}  // namespace pianoamm
