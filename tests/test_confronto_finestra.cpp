// The offers' comparison window, driven as a user would: a loan beside one read from its file. The loans are the ones
// of the engine's comparison, whose figures are worked by hand: 18.000 at no interest over 18 months with 120 of fees
// (owed 18.120, deduction 22,80), and 10.000 at 5 % in one yearly installment with a fee of 10 (installment 10.500,
// owed 10.510, deduction 96,90).

#include "file/file_offerta.h"
#include "testi_ostili.h"
#include "ui/finestre/dlg_confronto.h"

#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

using namespace pianoamm;

class TestConfrontoFinestra : public QObject {
    Q_OBJECT

    static bool Grassetto(const QTableView* tabella, int riga, int colonna)
    {
        return tabella->model()->index(riga, colonna).data(Qt::FontRole).value<QFont>().bold();
    }
    static QString Testo(const QTableView* tabella, int riga, int colonna)
    {
        return tabella->model()->index(riga, colonna).data().toString();
    }
    static QString Nome(const QTableView* tabella, int colonna)
    {
        return tabella->model()->headerData(colonna, Qt::Horizontal).toString();
    }

private slots:
    void confrontaDueOfferte()
    {
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString beta = cartella.filePath("beta.pianoamm");
        const QString rotto = cartella.filePath("rotto.pianoamm");
        ScriviFileOfferta(QFile::encodeName(beta).toStdString(),
                          {"", {10000, 1, 5, {2020, 1, 15}, Cadenza::Annuale, {}}, {0, 0, 10}, {}, {}});
        QFile file(rotto);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{ \"versione\": ") > 0);
        file.close();
        QWidget principale;
        principale.setGeometry(40, 40, 300, 200);
        principale.show();
        const Offerta alfa{"Banca Alfa", {18000, 18, 0, {2020, 1, 15}, Cadenza::Mensile, {}}, {120, 0, 0}, {}, {}};
        // Named after its file, over its own name; too long for its column.
        const QString lungo = "Offerta della Banca Popolare per la prima casa, tasso fisso, con assicurazione.pianoamm";
        QPointer<DlgConfronto> dialogo = new DlgConfronto(alfa, lungo, &principale);
        dialogo->show();
        QVERIFY(QTest::qWaitForWindowActive(dialogo));
        auto* tabella = dialogo->findChild<QTableView*>("grdConfronto");
        auto* motivo = dialogo->findChild<QLabel*>("lblMotivo");
        QVERIFY(!dialogo->findChild<QPushButton*>("cmdCsv")->isEnabled());
        dialogo->Aggiungi(beta);
        QCOMPARE(tabella->model()->columnCount(), 2);
        QCOMPARE(Nome(tabella, 1), QString("beta.pianoamm"));
        // Shortened in the middle to its column; whole as the tip and for a screen reader.
        const QString corto = Nome(tabella, 0);
        QVERIFY2(corto.startsWith("Offerta d") && corto.endsWith("ne.pianoamm") && corto.contains("…")
                     && tabella->horizontalHeader()->fontMetrics().horizontalAdvance(corto)
                            < tabella->horizontalHeader()->sectionSize(0),
                 qPrintable(corto));
        QCOMPARE(tabella->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), lungo);
        // The heading's cell as the table gives it to a screen reader: after the corner button, the first heading.
        QCOMPARE(QAccessible::queryAccessibleInterface(tabella)->child(1)->text(QAccessible::Name), lungo);
        // The rows in their order; only the costs marked, where an offer falls short: not the lower installment, nor
        // the higher deduction. Net: 120 - 22,80 against 510 - 96,90.
        QStringList etichette;
        for (int riga = 0; riga < tabella->model()->rowCount(); ++riga)
            etichette << tabella->model()->headerData(riga, Qt::Vertical).toString();
        QCOMPARE(etichette, QStringList({"RATA", "NUMERO RATE", "DURATA", "TAN", "TAEG", "INTERESSI TOTALI", "SPESE",
                                         "COSTO TOTALE DEL CREDITO", "IMPORTO TOTALE DOVUTO", "DETRAZIONE TOTALE",
                                         "COSTO NETTO DOPO LA DETRAZIONE"}));
        const struct {
            int riga;
            const char *alfaValore, *betaValore;
            bool alfaMigliore, betaMigliore;
        } righe[] = {{0, "1.000,00", "10.500,00", false, false}, {1, "18", "1", false, false},
                     {7, "120,00", "510,00", true, false},       {8, "18.120,00", "10.510,00", false, true},
                     {9, "22,80", "96,90", false, false},        {10, "97,20", "413,10", true, false}};
        for (const auto& [riga, alfaValore, betaValore, alfaMigliore, betaMigliore] : righe) {
            QCOMPARE(Testo(tabella, riga, 0), QString(alfaValore));
            QCOMPARE(Testo(tabella, riga, 1), QString(betaValore));
            QCOMPARE(Grassetto(tabella, riga, 0), alfaMigliore);
            QCOMPARE(Grassetto(tabella, riga, 1), betaMigliore);
        }
        dialogo->Aggiungi(rotto);
        QVERIFY(motivo->text().contains("rotto.pianoamm"));
        QCOMPARE(tabella->model()->columnCount(), 2);
        QStringList nomi;
        for (const auto* serie : dialogo->findChild<QChartView*>("grfDebito")->chart()->series())
            nomi << serie->name();
        QCOMPARE(nomi, QStringList({lungo, "beta.pianoamm"}));
        // Copied as printed: the title, each offer's whole name with its data, the table.
        tabella->setFocus();
        QTest::keyClick(tabella, Qt::Key_C, Qt::ControlModifier);
        const QString copiato = QGuiApplication::clipboard()->text();
        QVERIFY2(copiato.startsWith("Confronto delle offerte\nData: ") && copiato.contains(" : " + lungo + "\n")
                     && copiato.endsWith("\nTAEG PIÙ BASSO: " + lungo
                                         + "\nIMPORTO TOTALE DOVUTO PIÙ BASSO: beta.pianoamm\n"),
                 qPrintable(copiato));
        dialogo->NominaCorrente("altro.pianoamm");
        QCOMPARE(Nome(tabella, 0), QString("altro.pianoamm"));
        // The current loan stays; an added offer goes.
        tabella->setCurrentIndex(tabella->model()->index(0, 0));
        QVERIFY(!dialogo->findChild<QPushButton*>("cmdTogli")->isEnabled());
        tabella->setCurrentIndex(tabella->model()->index(0, 1));
        QTest::mouseClick(dialogo->findChild<QPushButton*>("cmdTogli"), Qt::LeftButton);
        QCOMPARE(tabella->model()->columnCount(), 1);
        QCOMPARE(Nome(tabella, 0), QString("altro.pianoamm"));
        QVERIFY(!Grassetto(tabella, 0, 0));
        QVERIFY(!dialogo->findChild<QPushButton*>("cmdCsv")->isEnabled());
        dialogo->close();
        QTRY_VERIFY(dialogo.isNull());
    }

    // An offer's name, and a reason quoting a file, shown as plain text with its controls escaped: in the heading, the
    // chart's legend (which reads HTML) and the reason beside the buttons.
    void testiOstili_data()
    {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < static_cast<int>(std::size(TestiOstili)); ++i)
            QTest::addRow("%d", i) << i;
    }
    void testiOstili()
    {
        QFETCH(int, caso);
        const TestoOstile& ostile = TestiOstili[caso];
        const QString visibile = QString::fromStdString(ostile.visibile);
        QTemporaryDir cartella;
        const QString offerta = cartella.filePath("offerta.pianoamm"), rotto = cartella.filePath("rotto.pianoamm");
        ScriviFileOfferta(QFile::encodeName(offerta).toStdString(),
                          {ostile.testo, {10000, 1, 5, {2020, 1, 15}, Cadenza::Annuale, {}}, {}, {}, {}});
        QFile file(rotto);
        QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write(QByteArray::fromStdString(MutuoConCadenza(ostile.testo))) > 0);
        file.close();
        QWidget principale;
        const Offerta alfa{"A", {18000, 18, 0, {2020, 1, 15}, Cadenza::Mensile, {}}, {}, {}, {}};
        QPointer<DlgConfronto> dialogo = new DlgConfronto(alfa, "mutuo.pianoamm", &principale);
        dialogo->Aggiungi(offerta);
        const auto* modello = dialogo->findChild<QTableView*>("grdConfronto")->model();
        QCOMPARE(modello->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), visibile);
        const QList<QAbstractSeries*> serie = dialogo->findChild<QChartView*>("grfDebito")->chart()->series();
        QCOMPARE(serie.value(1)->name(), visibile.toHtmlEscaped());
        dialogo->Aggiungi(rotto);
        const auto* motivo = dialogo->findChild<QLabel*>("lblMotivo");
        QCOMPARE(motivo->textFormat(), Qt::PlainText);
        QVERIFY2(motivo->text().endsWith("«" + visibile + "» non è una cadenza valida."), qPrintable(motivo->text()));
        delete dialogo;
    }
};

QTEST_MAIN(TestConfrontoFinestra)
#include "test_confronto_finestra.moc"
