#include "ui/controlli/grafico_piano.h"

#include "engine/anni.h"
#include "ui/controlli/assi_grafico.h"
#include "ui/controlli/immagine_grafico.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace pianoamm {

namespace {

const QString Titoli[] = {QStringLiteral("Debito residuo"), QStringLiteral("Interessi per anno")};
const QString Nomi[] = {QStringLiteral("Piano"), QStringLiteral("Simulazione")};

// A bar's half width: a fifth of the year's room is left between bars.
constexpr double MezzaBarra = 0.4;

// How near a point of a line, in pixels, the mouse tells its value.
constexpr double Vicinanza = 8;

QChartView* CreaGrafico(const QString& titolo, QWidget* parent, QLayout* impaginazione, bool curve)
{
    auto* grafico = new QChart;
    grafico->setTitle(titolo);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto* vista = new QChartView(grafico, parent);
    vista->setAccessibleName(QStringLiteral("Grafico: ") + titolo);
    // The drawing takes the focus itself: a screen reader names it too.
    vista->viewport()->setAccessibleName(vista->accessibleName());
    // Bars are upright rectangles: smoothing them only slows the drawing.
    vista->setRenderHint(QPainter::Antialiasing, curve);
    vista->setMinimumSize(320, 240);
    impaginazione->addWidget(vista);
    return vista;
}

// The debt at disbursement, after each installment and after each early
// repayment, by date: a repayment is a drop on its due date. About 250
// points at most: more than a chart has pixels for only slows the drawing,
// and the curve is smooth between the drops.
QList<QPointF> Debito(const pianoamm::Piano& piano, const pianoamm::Simulazione* simulazione)
{
    QList<QPointF> punti{{AnnoDi(piano.mutuo.erogazione), piano.mutuo.importo}};
    const std::size_t passo = std::max<std::size_t>(1, piano.righe.size() / 250);
    for (const pianoamm::RigaPiano& riga : piano.righe) {
        const auto numero = static_cast<std::size_t>(riga.numero);
        const double rimborso = simulazione != nullptr ? pianoamm::RimborsoDopo(*simulazione, riga.numero) : 0;
        const double quando = AnnoDi(riga.scadenza);
        if (numero % passo == 0 || riga.numero == pianoamm::UltimaRata(piano.righe) || rimborso != 0)
            punti.append({quando, riga.debitoResiduo});
        if (rimborso != 0)
            punti.append({quando, riga.debitoResiduo - rimborso});
    }
    return punti;
}

std::map<int, double> Annui(const std::vector<pianoamm::AnnoPiano>& anni)
{
    std::map<int, double> annui;
    for (const pianoamm::AnnoPiano& anno : anni)
        if (anno.anno != 0)
            annui[anno.anno] = std::max(anno.interessi, 0.0);
    return annui;
}

void Aggiungi(QChart* grafico, QAbstractSeries* serie, const QString& nome)
{
    serie->setName(nome);
    grafico->addSeries(serie);
    for (QAbstractAxis* asse : grafico->axes())
        serie->attachAxis(asse);
}

// "da 150.000 € a 0 € tra il 2026 e il 2051": where the line starts and ends.
QString Andamento(const QList<QPointF>& punti)
{
    return QStringLiteral("da %1 a %2 tra il %3 e il %4")
        .arg(Euro(punti.front().y()), Euro(punti.back().y()), QString::number(std::floor(punti.front().x())),
             QString::number(std::floor(punti.back().x())));
}

// "massimo 5.087 € nel 2027, in tutto 63.440 € tra il 2026 e il 2051".
QString Somma(const std::map<int, double>& annui)
{
    const auto massimo = std::max_element(annui.begin(), annui.end(),
                                          [](const auto& uno, const auto& altro) { return uno.second < altro.second; });
    double tutto = 0;
    for (const auto& anno : annui)
        tutto += anno.second;
    return QStringLiteral("massimo %1 nel %2, in tutto %3 tra il %4 e il %5")
        .arg(Euro(massimo->second), QString::number(massimo->first), Euro(tutto), QString::number(annui.begin()->first),
             QString::number(annui.rbegin()->first));
}

}  // namespace

GraficoPiano::GraficoPiano(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graficoPiano"));
    auto* impaginazione = new QHBoxLayout(this);
    impaginazione->setContentsMargins(0, 0, 0, 0);
    viste = {CreaGrafico(Titoli[0], this, impaginazione, true), CreaGrafico(Titoli[1], this, impaginazione, false)};
    for (QChartView* vista : viste)
        vista->viewport()->installEventFilter(this);
    titoli = {new TitoloGrafico(viste[0]->chart()), new TitoloGrafico(viste[1]->chart())};
    assi = {new AsseGrafico(viste[0]->chart(), QStringLiteral("Scadenza"), Qt::AlignBottom),
            new AsseGrafico(viste[0]->chart(), QStringLiteral("Debito"), Qt::AlignLeft),
            new AsseGrafico(viste[1]->chart(), QStringLiteral("Anno"), Qt::AlignBottom),
            new AsseGrafico(viste[1]->chart(), QStringLiteral("Interessi"), Qt::AlignLeft)};
    for (std::size_t i = 0; i < 2; ++i) {
        debito[i] = new QLineSeries(this);
        Aggiungi(viste[0]->chart(), debito[i], Nomi[i]);
    }
}

void GraficoPiano::Mostra(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato)
{
    const bool affiancate = piano && simulato;
    const Estremi delPiano = Serie(0, piano, nullptr, affiancate);
    const Estremi simulazione = Serie(1, simulato ? &simulato->piano : nullptr, simulato, affiancate);
    const Estremi& uno = piano ? delPiano : simulazione;
    const Estremi& altro = simulato ? simulazione : delPiano;
    assi[0]->ScalaAnni(std::floor(std::min(uno.da, altro.da)), std::ceil(std::max(uno.a, altro.a)));
    assi[1]->ScalaEuro(std::max(uno.debito, altro.debito));
    assi[2]->ScalaAnni(std::min(uno.primoAnno, altro.primoAnno) - 0.5,
                       std::max(uno.ultimoAnno, altro.ultimoAnno) + 0.5);
    assi[3]->ScalaEuro(std::max(uno.interessi, altro.interessi));
    // With no figures the charts are blank, not scales about nothing.
    for (AsseGrafico* asse : assi)
        asse->setVisible(piano || simulato);
    Descrivi(piano, simulato);
}

GraficoPiano::Estremi GraficoPiano::Serie(std::size_t i, const pianoamm::Piano* piano,
                                          const pianoamm::Simulazione* simulazione, bool affiancate)
{
    if (interessi[i]) {
        viste[1]->chart()->removeSeries(interessi[i]);
        delete std::exchange(interessi[i], nullptr);
    }
    interessiAnnui[i].clear();
    // With no figures the line leaves the legend too.
    debito[i]->setVisible(piano != nullptr);
    for (QLegendMarker* voce : viste[0]->chart()->legend()->markers(debito[i]))
        voce->setVisible(piano != nullptr);
    if (!piano)
        return {};
    const QList<QPointF> punti = Debito(*piano, simulazione);
    debito[i]->replace(punti);
    interessiAnnui[i] = Annui(simulazione ? InteressiPerAnno(*simulazione) : InteressiPerAnno(*piano));
    Barre(i, affiancate);
    Estremi estremi{punti.front().x(),
                    punti.back().x(),
                    piano->righe.front().scadenza.anno,
                    piano->righe.back().scadenza.anno,
                    0,
                    0};
    for (const QPointF& punto : punti)
        estremi.debito = std::max(estremi.debito, punto.y());
    for (const auto& anno : interessiAnnui[i])
        estremi.interessi = std::max(estremi.interessi, anno.second);
    return estremi;
}

void GraficoPiano::Barre(std::size_t i, bool affiancate)
{
    // Alone, the bar stands on its year; beside the simulation's, the
    // plan's is left of the year and the simulation's right of it.
    const double da = !affiancate ? -MezzaBarra : i == 0 ? -MezzaBarra : 0;
    const double a = !affiancate ? MezzaBarra : i == 0 ? 0 : MezzaBarra;
    // All of a series' bars are one outline: a single area draws faster
    // than a bar set of hundreds of years.
    auto* contorno = new QLineSeries;
    for (const auto& [anno, somma] : interessiAnnui[i])
        *contorno << QPointF(anno + da, 0) << QPointF(anno + da, somma) << QPointF(anno + a, somma)
                  << QPointF(anno + a, 0);
    interessi[i] = new QAreaSeries(contorno);
    contorno->setParent(interessi[i]);
    Aggiungi(viste[1]->chart(), interessi[i], Nomi[i]);
    interessi[i]->setColor(debito[i]->color());
    interessi[i]->setBorderColor(debito[i]->color());
}

void GraficoPiano::Descrivi(const pianoamm::Piano* piano, const pianoamm::Simulazione* simulato)
{
    const pianoamm::Piano* mostrato = piano ? piano : simulato ? &simulato->piano : nullptr;
    const std::size_t primo = piano ? 0 : 1;
    for (std::size_t v = 0; v < viste.size(); ++v) {
        QString titolo = Titoli[v];
        QString descrizione;
        if (mostrato) {
            titolo += QStringLiteral(" – ") + DescrizioneMutuo(mostrato->mutuo);
            descrizione = v == 0 ? Andamento(debito[primo]->points()) : Somma(interessiAnnui[primo]);
            if (piano && simulato)
                descrizione += QStringLiteral("; con le variazioni ")
                               + (v == 0 ? Andamento(debito[1]->points()) : Somma(interessiAnnui[1]));
        }
        titoli[v]->Imposta(titolo);
        viste[v]->setAccessibleDescription(descrizione.isEmpty() ? titolo
                                                                 : titolo + QStringLiteral(": ") + descrizione);
        viste[v]->viewport()->setAccessibleDescription(viste[v]->accessibleDescription());
    }
}

QString GraficoPiano::SuggerimentoDebito(QPointF dove) const
{
    QChart* grafico = viste[0]->chart();
    std::optional<QPointF> vicino;
    double distanza = Vicinanza;
    for (QLineSeries* linea : debito) {
        if (!linea->isVisible())
            continue;
        for (const QPointF& punto : linea->points()) {
            const QPointF qui = grafico->mapToPosition(punto, linea);
            if (const double quanto = std::hypot(qui.x() - dove.x(), qui.y() - dove.y()); quanto <= distanza) {
                distanza = quanto;
                vicino = punto;
            }
        }
    }
    return vicino ? MeseDi(vicino->x()) + QStringLiteral(": ") + Euro(vicino->y()) : QString();
}

QString GraficoPiano::SuggerimentoInteressi(QPointF dove) const
{
    for (QAreaSeries* barre : interessi) {
        if (!barre)
            continue;
        const QPointF valore = viste[1]->chart()->mapToValue(dove, barre);
        // Four corners a bar, from the bottom left.
        const QList<QPointF> angoli = barre->upperSeries()->points();
        for (qsizetype k = 0; k + 3 < angoli.size(); k += 4) {
            if (valore.x() >= angoli[k].x() && valore.x() <= angoli[k + 3].x() && valore.y() >= 0
                && valore.y() <= angoli[k + 1].y())
                return QStringLiteral("%1: %2").arg(
                    QString::number(std::lround((angoli[k].x() + angoli[k + 3].x()) / 2)), Euro(angoli[k + 1].y()));
        }
    }
    return {};
}

bool GraficoPiano::eventFilter(QObject* oggetto, QEvent* evento)
{
    for (std::size_t v = 0; v < viste.size(); ++v) {
        // Once the mouse rests, the scene answers the help event with the
        // items' own tips, which are none: it would hide the one shown here.
        if (evento->type() == QEvent::ToolTip && oggetto == viste[v]->viewport())
            return true;
        if (evento->type() != QEvent::MouseMove || oggetto != viste[v]->viewport())
            continue;
        const auto* mossa = static_cast<QMouseEvent*>(evento);
        const QPointF dove = viste[v]->chart()->mapFromScene(viste[v]->mapToScene(mossa->position().toPoint()));
        const QString testo = v == 0 ? SuggerimentoDebito(dove) : SuggerimentoInteressi(dove);
        if (testo.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(mossa->globalPosition().toPoint(), testo, viste[v]);
    }
    return QWidget::eventFilter(oggetto, evento);
}

QImage GraficoPiano::Immagine(QSize dimensione) const
{
    QImage immagine = Bianca(dimensione);
    QPainter pittore(&immagine);
    const double scala = Scala(dimensione, 960);
    const double meta = dimensione.width() / 2.0;
    const QSizeF pagina(meta / scala, dimensione.height() / scala);
    for (std::size_t v = 0; v < viste.size(); ++v)
        DisegnaVista(pittore, *viste[v], pagina, QRectF(static_cast<double>(v) * meta, 0, meta, dimensione.height()));
    return immagine;
}

QList<QImage> GraficoPiano::Immagini(QSize dimensione) const
{
    QList<QImage> immagini;
    for (const QChartView* vista : viste)
        immagini.append(ImmagineVista(*vista, dimensione));
    return immagini;
}

}  // namespace pianoamm
