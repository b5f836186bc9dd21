#include "ui/controlli/assi_grafico.h"

#include "engine/formato.h"

#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace pianoamm {

namespace {

// A quotient a hair above a whole number, from the binary fractions, is
// still that number: 150.000 over 20.000 is 7,5 steps, 6.000 over 1.000 six.
constexpr double Tolleranza = 1e-9;

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

void Svuota(QCategoryAxis* asse)
{
    for (const QString& etichetta : asse->categoriesLabels())
        asse->remove(etichetta);
}

}  // namespace

QString Percento(double valore)
{
    return QString::fromStdString(FormatoDecimali(valore, 2, false)) + QStringLiteral(" %");
}

namespace {

// From 0 to the first tick at or above massimo, each labelled by etichetta.
void Scala(QCategoryAxis* asse, double massimo, QString (*etichetta)(double))
{
    massimo = std::max(massimo, 1.0);
    const double passo = PassoValori(massimo);
    const double tacche = std::ceil(massimo / passo - Tolleranza);
    Svuota(asse);
    asse->setStartValue(0);
    // The first category ends where it starts: the label of 0 at 0.
    for (double tacca = 0; tacca <= tacche; ++tacca)
        asse->append(etichetta(tacca * passo), tacca * passo);
    asse->setRange(0, tacche * passo);
}

}  // namespace

double PassoValori(double massimo)
{
    return PrimoPasso([massimo](double passo) { return std::ceil(massimo / passo - Tolleranza) <= 8; });
}

int PassoAnni(int primo, int ultimo)
{
    return static_cast<int>(PrimoPasso(
        [primo, ultimo](double passo) { return std::floor(ultimo / passo) - std::ceil(primo / passo) + 1 <= 6; }));
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

QCategoryAxis* AsseEtichette(QChart* grafico, const QString& titolo, Qt::Alignment lato)
{
    auto* asse = new QCategoryAxis;
    asse->setTitleText(titolo);
    asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    grafico->addAxis(asse, lato);
    return asse;
}

void ScalaEuro(QCategoryAxis* asse, double massimo)
{
    Scala(asse, massimo, Euro);
}

void ScalaPercento(QCategoryAxis* asse, double massimo)
{
    Scala(asse, massimo, Percento);
}

void ScalaAnni(QCategoryAxis* asse, double da, double a)
{
    const auto primo = static_cast<int>(std::ceil(da));
    const auto ultimo = static_cast<int>(std::floor(a));
    const int passo = PassoAnni(primo, ultimo);
    Svuota(asse);
    asse->setStartValue(da);
    for (int anno = primo + (passo - primo % passo) % passo; anno <= ultimo; anno += passo)
        asse->append(QString::number(anno), anno);
    asse->setRange(da, a);
}

QValueAxis* AsseNumeri(QChart* grafico, const QString& titolo, Qt::Alignment lato)
{
    auto* asse = new QValueAxis;
    asse->setTitleText(titolo);
    asse->setLabelFormat(QStringLiteral("%.0f"));
    grafico->addAxis(asse, lato);
    return asse;
}

}  // namespace pianoamm
