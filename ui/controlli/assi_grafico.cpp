#include "ui/controlli/assi_grafico.h"

#include "engine/formato.h"

#include <QChart>
#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace pianoamm {

namespace {

// A quotient a hair above a whole number, from the binary fractions, is
// still that number: 150.000 over 20.000 is 7,5 steps, 6.000 over 1.000 six.
constexpr double Tolleranza = 1e-9;

// The room about a label: Qt Charts pads it by 4 pixels either side and its
// text by a few more.
constexpr double Margine = 12;

// The share of a chart's inner width that Qt Charts gives its vertical
// axes, beyond which it cuts their labels.
constexpr double QuotaVerticali = 0.4;

constexpr std::array<const char*, 12> Mesi{"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                           "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

// The steps 1, 2, 5, 10, 20, 50, … in order, until prova takes one.
template <typename Prova>
double PrimoPasso(Prova prova)
{
    for (double potenza = 1;; potenza *= 10)
        for (const double cifra : {1.0, 2.0, 5.0})
            if (prova(cifra * potenza) || potenza > 1e15)
                return cifra * potenza;
}

// "al 3,50 %", "all'8,00 %", "allo 0,50 %": the article goes by how the
// rate's whole part is read (uno, otto, undici, ottanta… start with a vowel,
// zero with a z).
QString AlTasso(double tasso)
{
    const auto intero = static_cast<int>(tasso);
    const QString cifre = Percento(tasso);
    if (intero == 0)
        return QStringLiteral("allo ") + cifre;
    if (intero == 1 || intero == 8 || intero == 11 || intero / 10 == 8)
        return QStringLiteral("all'") + cifre;
    return QStringLiteral("al ") + cifre;
}

}  // namespace

QString Percento(double valore)
{
    return QString::fromStdString(FormatoDecimali(valore, 2, false)) + QStringLiteral(" %");
}

double PassoValori(double massimo, int passi)
{
    return PrimoPasso([massimo, passi](double passo) { return std::ceil(massimo / passo - Tolleranza) <= passi; });
}

int PassoAnni(int primo, int ultimo, int tacche)
{
    return static_cast<int>(PrimoPasso([primo, ultimo, tacche](double passo) {
        return std::floor(ultimo / passo) - std::ceil(primo / passo) + 1 <= tacche;
    }));
}

QString Euro(double valore)
{
    return QString::fromStdString(ImportoOZero(valore)) + QStringLiteral(" €");
}

double AnnoDi(const Data& data)
{
    const double giorni = GiorniDelMese(data.anno, data.mese);
    return data.anno + (data.mese - 1 + (data.giorno - 1) / giorni) / 12;
}

QString MeseDi(double anno)
{
    const double intero = std::floor(anno + Tolleranza);
    const auto mese = std::clamp(static_cast<int>(std::floor((anno - intero) * 12 + Tolleranza)), 0, 11);
    return QString::fromLatin1(Mesi[static_cast<std::size_t>(mese)]) + QLatin1Char(' ')
           + QString::number(static_cast<int>(intero));
}

QString DescrizioneMutuo(const Mutuo& mutuo)
{
    // Every frequency's word ends in -e, and its plural in -i.
    QString cadenza = QString::fromUtf8(DatiDi(mutuo.cadenza).etichetta).toLower();
    if (mutuo.numeroRate != 1)
        cadenza.back() = QLatin1Char('i');
    const bool centesimi = mutuo.importo != std::floor(mutuo.importo);
    return QStringLiteral("%1 € %2 in %3 %4 %5")
        .arg(QString::fromStdString(ImportoOZero(mutuo.importo, centesimi ? 2 : 0)), AlTasso(mutuo.tassoAnnuo),
             QString::number(mutuo.numeroRate), mutuo.numeroRate == 1 ? QStringLiteral("rata") : QStringLiteral("rate"),
             cadenza);
}

namespace {

// A scale's ticks, their labels and the step between them.
struct Tacche {
    QList<double> valori;
    QStringList etichette;
    double passo = 1;
};

// A tick and its year on every step of whole years from da to a, at most
// massime of them.
Tacche TaccheAnni(double da, double a, int massime)
{
    const auto primo = static_cast<int>(std::ceil(da));
    const auto ultimo = static_cast<int>(std::floor(a));
    Tacche tacche;
    tacche.passo = PassoAnni(primo, ultimo, massime);
    const auto passo = static_cast<int>(tacche.passo);
    for (int anno = primo + (passo - primo % passo) % passo; anno <= ultimo; anno += passo) {
        tacche.valori.append(anno);
        tacche.etichette.append(QString::number(anno));
    }
    return tacche;
}

// From 0 to the first tick at or above massimo in at most passi steps,
// each labelled by etichetta.
Tacche TaccheValori(double massimo, int passi, QString (*etichetta)(double))
{
    massimo = std::max(massimo, 1.0);
    Tacche tacche;
    tacche.passo = PassoValori(massimo, passi);
    const double quante = std::ceil(massimo / tacche.passo - Tolleranza);
    for (double tacca = 0; tacca <= quante; ++tacca) {
        tacche.valori.append(tacca * tacche.passo);
        tacche.etichette.append(etichetta(tacca * tacche.passo));
    }
    return tacche;
}

// "150 k €", "1,2 M €": in the thousands or millions the scale's top
// reaches, with the decimals its step needs.
QString InBreve(double valore, double passo, double cima)
{
    if (valore == 0)
        return Euro(0);
    const bool milioni = cima >= 1e6;
    const double unita = milioni ? 1e6 : cima >= 1e3 ? 1e3 : 1;
    int decimali = 0;
    for (double parte = passo / unita; decimali < 6 && std::fabs(parte - std::round(parte)) > Tolleranza; parte *= 10)
        ++decimali;
    return QString::fromStdString(FormatoDecimali(valore / unita, decimali, true))
           + (milioni     ? QStringLiteral(" M €")
              : unita > 1 ? QStringLiteral(" k €")
                          : QStringLiteral(" €"));
}

}  // namespace

AsseGrafico::AsseGrafico(QChart* grafico, const QString& titolo, Qt::Alignment lato) : suGrafico(grafico)
{
    setTitleText(titolo);
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    grafico->addAxis(this, lato);
    connect(grafico, &QChart::plotAreaChanged, this, &AsseGrafico::Adatta);
}

void AsseGrafico::ScalaEuro(double massimo)
{
    Scala(Tipo::Euro, 0, massimo);
}

void AsseGrafico::ScalaPercento(double massimo)
{
    Scala(Tipo::Percento, 0, massimo);
}

void AsseGrafico::ScalaAnni(double da, double a)
{
    Scala(Tipo::Anni, da, a);
}

void AsseGrafico::Scala(Tipo scelto, double primo, double ultimo)
{
    tipo = scelto;
    inizio = primo;
    fine = ultimo;
    Adatta();
}

void AsseGrafico::Adatta()
{
    const QRectF area = suGrafico->plotArea();
    const bool misurato = !area.isEmpty();
    const QFontMetricsF metrica(labelsFont());
    Tacche tacche;
    if (tipo == Tipo::Anni) {
        const int quante =
            static_cast<int>(area.width() / (metrica.horizontalAdvance(QStringLiteral("0000")) + Margine));
        tacche = TaccheAnni(inizio, fine, misurato ? std::clamp(quante - 1, 1, 6) : 6);
    } else {
        // Qt Charts cuts a label taller than the axis's height shared among
        // the ticks and one more, and hides one that overlaps the next.
        const QMargins margini = suGrafico->margins();
        const double altezza = suGrafico->size().height() - margini.top() - margini.bottom();
        const double riga = metrica.height() + Margine;
        const auto passi =
            static_cast<int>(std::min(altezza / riga - 2, area.height() / (metrica.height() + Margine / 3)));
        tacche = TaccheValori(fine, misurato ? std::clamp(passi, 1, 8) : 8, tipo == Tipo::Euro ? Euro : Percento);
        double largo = 0;
        for (const QString& etichetta : tacche.etichette)
            largo = std::max(largo, metrica.horizontalAdvance(etichetta));
        if (tipo == Tipo::Euro && misurato && largo > Spazio())
            for (qsizetype i = 0; i < tacche.valori.size(); ++i)
                tacche.etichette[i] = InBreve(tacche.valori[i], tacche.passo, tacche.valori.back());
    }
    const double da = tipo == Tipo::Anni ? inizio : 0;
    const double a = tipo == Tipo::Anni ? fine : tacche.valori.back();
    if (tacche.etichette == categoriesLabels() && min() == da && max() == a)
        return;
    for (const QString& etichetta : categoriesLabels())
        remove(etichetta);
    setStartValue(da);
    // On a scale of sums the first category ends where it starts: the
    // label of 0 at 0.
    for (qsizetype i = 0; i < tacche.valori.size(); ++i)
        append(tacche.etichette[i], tacche.valori[i]);
    setRange(da, a);
}

double AsseGrafico::Spazio() const
{
    const QMargins margini = suGrafico->margins();
    const double interno = suGrafico->size().width() - margini.left() - margini.right();
    const auto verticali = static_cast<double>(std::max<qsizetype>(1, suGrafico->axes(Qt::Vertical).size()));
    return QuotaVerticali * interno / verticali - QFontMetricsF(titleFont()).height() - 2 * Margine;
}

TitoloGrafico::TitoloGrafico(QChart* grafico) : QObject(grafico), suGrafico(grafico)
{
    connect(grafico, &QChart::plotAreaChanged, this, &TitoloGrafico::Adatta);
}

void TitoloGrafico::Imposta(const QString& testo)
{
    titolo = testo;
    Adatta();
}

void TitoloGrafico::Adatta()
{
    const QMargins margini = suGrafico->margins();
    const double largo = suGrafico->size().width() - margini.left() - margini.right() - 2 * Margine;
    const QFontMetricsF metrica(suGrafico->titleFont());
    QString righe = titolo;
    if (largo > 0 && metrica.horizontalAdvance(titolo) > largo) {
        // A figure keeps its unit, and the dash the words before it.
        const QChar unito(0xa0);
        QStringList parole = QString(titolo)
                                 .replace(QStringLiteral(" %"), unito + QStringLiteral("%"))
                                 .replace(QStringLiteral(" €"), unito + QStringLiteral("€"))
                                 .replace(QStringLiteral(" –"), unito + QStringLiteral("–"))
                                 .split(QLatin1Char(' '));
        QStringList linee{parole.takeFirst()};
        for (const QString& parola : parole) {
            if (metrica.horizontalAdvance(linee.back() + QLatin1Char(' ') + parola) > largo)
                linee.append(parola);
            else
                linee.back() += QLatin1Char(' ') + parola;
        }
        righe = linee.join(QStringLiteral("<br>"));
    }
    // The plot starts right under the title, and its top label, half above
    // the plot, would touch the title's last line: a short blank line keeps
    // them apart.
    righe += QStringLiteral("<div style=\"font-size:4pt\">&nbsp;</div>");
    if (suGrafico->title() != righe)
        suGrafico->setTitle(righe);
}

}  // namespace pianoamm
