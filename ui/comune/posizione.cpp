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
    // Its layout, no longer the window's, tells the window of no change.
    if (auto* riassetta = finestra->findChild<QObject*>(QStringLiteral("riassetta"), Qt::FindDirectChildrenOnly))
        contenuto->installEventFilter(riassetta);
    auto* esterna = new QVBoxLayout(finestra);
    esterna->setContentsMargins(0, 0, 0, 0);
    esterna->addWidget(area);
}

// Where the screen holds both windows side by side but neither side of the
// other window has room, the other window moves left just enough; its frame
// as it then lies. A window manager that places windows itself (Wayland)
// ignores the move, and the other window's frame stays where it was.
QRect FaiPosto(QWidget* vicina, const QRect& area, int larghezza)
{
    QRect altra = vicina->frameGeometry();
    const int sinistra = area.right() + 1 - larghezza - altra.width();
    if (altra.right() + larghezza <= area.right() || altra.left() - larghezza >= area.left() || sinistra < area.left()
        || !vicina->isVisible())
        return altra;
    vicina->move(sinistra, altra.top());
    return vicina->frameGeometry();
}

void Colloca(QWidget* finestra, QWidget* accanto)
{
    QWidget* vicina = accanto != nullptr ? accanto->window() : nullptr;
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
        const QRect altra = FaiPosto(vicina, area, misura.width());
        if (altra.right() + misura.width() <= area.right())
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
    ConCornice(QWidget* finestra, QWidget* accanto) : QObject(finestra), vicina(accanto)
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
    QPointer<QWidget> vicina;
};

// After its contents changed (a reason shown, a group ticked, a row added),
// places the window again where it grew past the screen, or lays it out
// afresh where a wrapping line of text is left cut: a form's layout may
// keep the heights it worked out before. Once only per change, so that a
// window that still does not fit cannot start it over without end.
class Riassetta : public QObject {
public:
    Riassetta(QWidget* daRifare, QWidget* accanto) : QObject(daRifare), finestra(daRifare), vicina(accanto)
    {
        setObjectName(QStringLiteral("riassetta"));
        finestra->installEventFilter(this);
        if (auto* area = finestra->findChild<QScrollArea*>(QStringLiteral("scrScorrimento")))
            area->widget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*oggetto*/, QEvent* evento) override
    {
        if (evento->type() == QEvent::LayoutRequest && !attesa) {
            attesa = true;
            QTimer::singleShot(0, this, [this] { Rifai(); });
        }
        return false;
    }

private:
    void Rifai()
    {
        attesa = false;
        const bool fuori = finestra->isVisible() && finestra->screen() != nullptr
                           && !finestra->screen()->availableGeometry().contains(finestra->frameGeometry());
        rifatto = !rifatto && finestra->isVisible() && (fuori || TestoTagliato(finestra));
        if (rifatto && fuori)
            Colloca(finestra, vicina);
        else if (rifatto)
            for (QLayout* impaginazione : finestra->findChildren<QLayout*>())
                impaginazione->invalidate();
    }

    QWidget* finestra;
    QPointer<QWidget> vicina;
    bool attesa = false;
    bool rifatto = false;
};

}  // namespace

void PosizionaAccanto(QWidget* finestra, QWidget* accanto)
{
    Colloca(finestra, accanto);
    new Riassetta(finestra, accanto);
    // Once shown, again, with its frame where it already has one; else once
    // the window manager gives it one.
    auto* attesa = new ConCornice(finestra, accanto);
    QTimer::singleShot(0, finestra, [finestra, attesa = QPointer(attesa), vicina = QPointer<QWidget>(accanto)] {
        if (!finestra->isVisible())
            return;
        Colloca(finestra, vicina);
        if (finestra->frameGeometry().size() != finestra->size())
            delete attesa;
    });
}

}  // namespace pianoamm
