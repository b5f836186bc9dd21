// The plan's charts as a reader sees them: 150.000 at 3,50 % in 300 monthly installments from 15/01/2026, due from
// 15/02/2026 to 15/01/2051 (300 months on). Its years run from 2026 to 2051, 26 of them: a tick every year or every two
// would be 26 or 13, every five years gives 2030 to 2050. The interest of a year is at most 3,5 % of the debt, under
// 5.250; in 2027 the debt is still above 140.000, so that year's interest is above 4.900 and the scale, in steps of
// 1.000, ends at 6.000. The debt's scale goes past 150.000 in steps of 20.000 (7,5 of them, steps of 10.000 would be
// 15), to 160.000.

#include "engine/piano.h"
#include "engine/simulazione.h"
#include "ui/controlli/grafico_piano.h"

#include <QTextDocumentFragment>
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

using namespace pianoamm;

Q_DECLARE_METATYPE(pianoamm::Mutuo)

namespace {

const Mutuo Esempio{150000, 300, 3.5, {2026, 1, 15}, Cadenza::Mensile, {}};

QChartView* Vista(const GraficoPiano& grafico, const QString& nome)
{
    for (QChartView* vista : grafico.findChildren<QChartView*>())
        if (vista->accessibleName() == nome)
            return vista;
    return nullptr;
}

QCategoryAxis* Asse(const GraficoPiano& grafico, const QString& nome, Qt::Orientation verso)
{
    return qobject_cast<QCategoryAxis*>(Vista(grafico, nome)->chart()->axes(verso).value(0));
}

// The bars' edges, two by bar: the outline goes up, across and down.
QList<QPair<double, double>> Barre(const QAbstractSeries* serie)
{
    QList<QPair<double, double>> barre;
    const QList<QPointF> punti = qobject_cast<const QAreaSeries*>(serie)->upperSeries()->points();
    for (qsizetype i = 0; i + 3 < punti.size(); i += 4)
        barre.append({punti[i].x(), punti[i + 3].x()});
    return barre;
}

// The tooltip once the mouse, in sight of the chart's first series, has moved to each of punti in turn, scarto
// pixels off it.
QString Sotto(const GraficoPiano& grafico, const QString& nome, const QList<QPointF>& punti, QPoint scarto = {})
{
    QToolTip::hideText();
    QChartView* vista = Vista(grafico, nome);
    QChart* chart = vista->chart();
    for (const QPointF& punto : punti)
        QTest::mouseMove(vista->viewport(),
                         vista->mapFromScene(chart->mapToScene(chart->mapToPosition(punto, chart->series().at(0))))
                             + scarto);
    (void)QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000);
    return QToolTip::text();
}

QString Euro(double valore)
{
    return QLocale(QLocale::Italian).toString(qRound64(valore)) + " €";
}

}  // namespace

class TestGrafici : public QObject {
    Q_OBJECT

    const QString debito = "Grafico: Debito residuo";
    const QString interessi = "Grafico: Interessi per anno";
    const Piano esempio = PianoAmm(Esempio);

private slots:
    void assiDelPiano_data()
    {
        QTest::addColumn<QString>("vista");
        QTest::addColumn<int>("verso");
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("massimo");
        QTest::addColumn<QStringList>("etichette");
        QTest::addColumn<QList<double>>("tacche");
        const QStringList anni{"2030", "2035", "2040", "2045", "2050"};
        const QList<double> tacche{2030, 2035, 2040, 2045, 2050};
        // The debt by date: 15/01/2026 to 15/01/2051, on whole years.
        QTest::newRow("scadenze") << debito << int(Qt::Horizontal) << 2026.0 << 2052.0 << anni << tacche;
        QTest::newRow("debito") << debito << int(Qt::Vertical) << 0.0 << 160000.0
                                << QStringList{"0 €",       "20.000 €",  "40.000 €",  "60.000 €", "80.000 €",
                                               "100.000 €", "120.000 €", "140.000 €", "160.000 €"}
                                << QList<double>{0, 20000, 40000, 60000, 80000, 100000, 120000, 140000, 160000};
        // Each year's bar stands on its year: half a year of room either side.
        QTest::newRow("anni") << interessi << int(Qt::Horizontal) << 2025.5 << 2051.5 << anni << tacche;
        QTest::newRow("interessi") << interessi << int(Qt::Vertical) << 0.0 << 6000.0
                                   << QStringList{"0 €",     "1.000 €", "2.000 €", "3.000 €",
                                                  "4.000 €", "5.000 €", "6.000 €"}
                                   << QList<double>{0, 1000, 2000, 3000, 4000, 5000, 6000};
    }
    void assiDelPiano()
    {
        QFETCH(QString, vista);
        QFETCH(int, verso);
        QFETCH(double, minimo);
        QFETCH(double, massimo);
        QFETCH(QStringList, etichette);
        QFETCH(QList<double>, tacche);
        GraficoPiano grafico(nullptr);
        grafico.Mostra(&esempio, nullptr);
        QCategoryAxis* asse = Asse(grafico, vista, static_cast<Qt::Orientation>(verso));
        QVERIFY(asse);
        QCOMPARE(asse->labelsPosition(), QCategoryAxis::AxisLabelsPositionOnValue);
        QCOMPARE(asse->min(), minimo);
        QCOMPARE(asse->max(), massimo);
        QCOMPARE(asse->categoriesLabels(), etichette);
        QList<double> valori;
        for (const QString& etichetta : etichette)
            valori.append(asse->endValue(etichetta));
        QCOMPARE(valori, tacche);
    }

    void passi_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<QString>("etichette");
        QTest::newRow("un anno") << 2026 << 2026 << "2026";
        QTest::newRow("dieci anni") << 2026 << 2035 << "2026 2028 2030 2032 2034";
        QTest::newRow("undici anni") << 2026 << 2036 << "2026 2028 2030 2032 2034 2036";
        QTest::newRow("ottantatré anni") << 1950 << 2032 << "1960 1980 2000 2020";
    }
    void passi()
    {
        QFETCH(int, primo);
        QFETCH(int, ultimo);
        QFETCH(QString, etichette);
        // A yearly plan: its first due date in primo, its last in ultimo.
        const Piano piano = PianoAmm({1000, ultimo - primo + 1, 2, {primo - 1, 6, 1}, Cadenza::Annuale, {}});
        GraficoPiano grafico(nullptr);
        grafico.Mostra(&piano, nullptr);
        QCOMPARE(Asse(grafico, interessi, Qt::Horizontal)->categoriesLabels().join(' '), etichette);
    }

    void titoli_data()
    {
        QTest::addColumn<Mutuo>("mutuo");
        QTest::addColumn<QString>("loan");
        QTest::newRow("mensile") << Esempio << "150.000 € al 3,50 % in 300 rate mensili";
        QTest::newRow("una rata") << Mutuo{10000, 1, 8, {2020, 1, 15}, Cadenza::Annuale, {}}
                                  << "10.000 € all'8,00 % in 1 rata annuale";
        QTest::newRow("centesimi") << Mutuo{1234.56, 40, 0, {2020, 1, 15}, Cadenza::Trimestrale, {}}
                                   << "1.234,56 € allo 0,00 % in 40 rate trimestrali";
        QTest::newRow("quadrimestrale") << Mutuo{80000, 30, 11.25, {2020, 1, 15}, Cadenza::Quadrimestrale, {}}
                                        << "80.000 € all'11,25 % in 30 rate quadrimestrali";
        QTest::newRow("bimestrale") << Mutuo{5000, 12, 21, {2020, 1, 15}, Cadenza::Bimestrale, {}}
                                    << "5.000 € al 21,00 % in 12 rate bimestrali";
        QTest::newRow("semestrale") << Mutuo{999999999, 2, 85, {2020, 1, 15}, Cadenza::Semestrale, {}}
                                    << "999.999.999 € all'85,00 % in 2 rate semestrali";
    }
    void titoli()
    {
        QFETCH(Mutuo, mutuo);
        QFETCH(QString, loan);
        const Piano piano = PianoAmm(mutuo);
        GraficoPiano grafico(nullptr);
        grafico.Mostra(&piano, nullptr);
        // As read: the title is rich text, a short blank line under it.
        const auto titolo = [&grafico](const QString& vista) {
            return QTextDocumentFragment::fromHtml(Vista(grafico, vista)->chart()->title()).toPlainText().trimmed();
        };
        QCOMPARE(titolo(debito), "Debito residuo – " + loan);
        QCOMPARE(titolo(interessi), "Interessi per anno – " + loan);
        grafico.Mostra(nullptr, nullptr);
        QCOMPARE(titolo(debito), "Debito residuo");
    }

    void etichetteBrevi()
    {
        // Almost a billion in a narrow chart: whole sums ("1.000.000.000 €") would be wider than the room Qt Charts
        // gives a scale, so they are written in millions.
        const Piano grande = PianoAmm({999999999, 2, 85, {2020, 1, 15}, Cadenza::Semestrale, {}});
        GraficoPiano grafico(nullptr);
        grafico.resize(700, 300);
        grafico.Mostra(&grande, nullptr);
        grafico.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grafico));
        QCategoryAxis* asse = Asse(grafico, debito, Qt::Vertical);
        QTRY_VERIFY(asse->categoriesLabels().size() > 2 && asse->categoriesLabels().back().endsWith(" M €"));
        for (const QString& etichetta : asse->categoriesLabels()) {
            const double valore = asse->endValue(etichetta);
            QCOMPARE(etichetta,
                     valore == 0 ? "0 €" : QLocale(QLocale::Italian).toString(valore / 1e6, 'f', 0) + " M €");
        }
        QVERIFY(asse->max() >= 999999999);
    }

    void barreCentrate()
    {
        GraficoPiano grafico(nullptr);
        grafico.Mostra(&esempio, nullptr);
        const QList<QAbstractSeries*> serie = Vista(grafico, interessi)->chart()->series();
        QCOMPARE(serie.size(), 1);
        const QList<QPair<double, double>> barre = Barre(serie[0]);
        QCOMPARE(barre.size(), 26);
        for (int i = 0; i < barre.size(); ++i) {
            QCOMPARE((barre[i].first + barre[i].second) / 2, 2026.0 + i);
            QVERIFY(barre[i].second - barre[i].first > 0.5);
        }
        // With a simulation the two bars of a year share it, one either side.
        const Simulazione simulazione = Simula(esempio, {{Estinzione{60, 20000.0, Riduzione::Rata}}, 0});
        grafico.Mostra(&esempio, &simulazione);
        const QList<QAbstractSeries*> due = Vista(grafico, interessi)->chart()->series();
        QCOMPARE(due.size(), 2);
        const QList<QPair<double, double>> delPiano = Barre(due[0]);
        const QList<QPair<double, double>> simulate = Barre(due[1]);
        QCOMPARE(simulate.size(), 26);
        for (int i = 0; i < simulate.size(); ++i) {
            QCOMPARE(delPiano[i].second, 2026.0 + i);
            QCOMPARE(simulate[i].first, 2026.0 + i);
            QCOMPARE((delPiano[i].first + simulate[i].second) / 2, 2026.0 + i);
        }
    }

    void descrizioniESuggerimenti()
    {
        GraficoPiano grafico(nullptr);
        grafico.Mostra(&esempio, nullptr);
        // A month some pixels wide: the mouse can rest on one.
        grafico.resize(2400, 400);
        grafico.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grafico));
        QCOMPARE(Vista(grafico, debito)->accessibleDescription(),
                 "Debito residuo – 150.000 € al 3,50 % in 300 rate mensili: da 150.000 € a 0 € tra il 2026 e il 2051");
        QVERIFY(Vista(grafico, interessi)
                    ->accessibleDescription()
                    .startsWith("Interessi per anno – 150.000 € al 3,50 % in 300 rate mensili: massimo "));
        // 15/06/2031 is row 65; the year's interest, row by row.
        const RigaPiano& giugno = esempio.righe[64];
        QCOMPARE(giugno.scadenza, (Data{2031, 6, 15}));
        double anno2031 = 0;
        for (const RigaPiano& riga : esempio.righe)
            anno2031 += riga.scadenza.anno == 2031 ? riga.quotaInteressi : 0;
        // Under the mouse: a few pixels off the line at that due date, and from the bar of 2030 straight into 2031's.
        QCOMPARE(Sotto(grafico, debito, {{2031 + (5 + 14.0 / 30) / 12, giugno.debitoResiduo}}, {0, -4}),
                 "giugno 2031: " + Euro(giugno.debitoResiduo));
        QCOMPARE(Sotto(grafico, interessi, {{2030, 1000}, {2030.8, 1000}}), "2031: " + Euro(anno2031));
    }

    void immagine()
    {
        GraficoPiano grafico(nullptr);
        grafico.resize(700, 300);
        grafico.Mostra(&esempio, nullptr);
        grafico.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grafico));
        const QSizeF prima = Vista(grafico, debito)->chart()->size();
        const QImage immagine = grafico.Immagine(DimensioneStampa);
        QCOMPARE(immagine.size(), QSize(1890, 1063));
        // Drawn on both halves (lines, labels, titles), and the charts on screen left as they were.
        int scuri[2] = {0, 0};
        for (int y = 0; y < immagine.height(); y += 3)
            for (int x = 0; x < immagine.width(); x += 3)
                scuri[x * 2 / immagine.width()] += qGray(immagine.pixel(x, y)) < 128;
        QVERIFY2(scuri[0] > 1000 && scuri[1] > 1000, qPrintable(QString("%1 %2").arg(scuri[0]).arg(scuri[1])));
        QCOMPARE(Vista(grafico, debito)->chart()->size(), prima);
    }
};

QTEST_MAIN(TestGrafici)
#include "test_grafici.moc"
