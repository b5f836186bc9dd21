// The interest per calendar year, from the results page's menu, driven as a user would on the offscreen screen,
// 800×600, smaller than the 1024×768 the window is meant to fit. The worked example (100.000 at 5 % in ten yearly
// installments from 06/04/2006) falls due from 2007 to 2016, one a year: ten years and the totals, 29.504,57 of
// interest, 5.000,00 of interest and 7.950,46 of capital in 2007. 600 monthly installments fall due from 2006 to 2056:
// 52 rows, more than the screen holds.

#include "engine/anni.h"
#include "guida_finestra.h"
#include "print/testo_qt.h"

using namespace pianoamm;

const struct {
    QString comando, file;  // the button pressed (none: Ctrl+C on the table), and the file it writes (Stampa…: the
                            // print dialog's PDF file)
    QString rate, cadenza;  // the number of installments and their frequency
    QStringList attesi;     // what the window lacks
} Uscite[] = {{"", "", "10", "Annuale", {}},
              {"cmdCopia", "", "10", "Annuale", {}},
              {"cmdCsv", "anni.csv", "10", "Annuale", {}},
              {"cmdPdf", "anni.pdf", "10", "Annuale", {}},
              {"cmdStampa", "stampa.pdf", "10", "Annuale", {}},
              {"cmdChiudi", "", "600", "Mensile", {"righe nascoste"}}};

class TestInteressiAnno : public GuidaFinestra {
    Q_OBJECT

    // Every row in sight (the window's place, names and letters are the window test's, as for every window).
    static QStringList Difetti(QDialog* dialogo)
    {
        return dialogo->findChild<QTableView*>("grdAnni")->verticalScrollBar()->isVisible()
                   ? QStringList("righe nascoste")
                   : QStringList();
    }

private slots:
    void uscite_data() { Casi(Uscite); }
    void uscite()
    {
        const auto& [comando, file, rate, cadenza, attesi] = Uscite[Caso()];
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(file);
        QGuiApplication::clipboard()->clear();
        AiRisultati({"100000", rate, "5", "06/04/2006"}, cadenza);
        QStringList difetti;
        Rispondi({"Interessi per anno…"});
        attese << [&, comando = comando, file = file](QWidget* w) {
            auto* dialogo = qobject_cast<QDialog*>(w);
            QVERIFY(QTest::qWaitForWindowExposed(dialogo));
            difetti = Difetti(dialogo);
            if (comando == "cmdStampa")
                attese << [&percorso](QWidget* stampa) {
                    auto* stampanti = stampa->findChild<QComboBox*>("printers");  // a PDF file, the last choice
                    stampanti->setCurrentIndex(stampanti->count() - 1);
                    stampa->findChild<QLineEdit*>("filename")->setText(percorso);
                    qobject_cast<QDialog*>(stampa)->accept();
                };
            else if (!file.isEmpty())
                Rispondi({percorso});
            dialogo->findChild<QTableView*>("grdAnni")->setFocus();
            comando.isEmpty() ? QTest::keyClick(dialogo->focusWidget(), Qt::Key_C, Qt::ControlModifier)
                              : dialogo->findChild<QPushButton*>(comando)->click();
            dialogo->close();
        };
        ApriMenu(false, {});
        QCOMPARE(difetti, attesi);

        const auto anni = InteressiPerAnno(PianoAmm({100000, 10, 5, {2006, 4, 6}, Cadenza::Annuale, {}}));
        const QString testo = TestoQt(TabellaPerAnno(anni));  // as tests/dati/esempio_per_anno.txt
        const bool copia = comando.isEmpty() || comando == "cmdCopia";
        QCOMPARE(QGuiApplication::clipboard()->text(), copia ? testo : QString());
        QVERIFY(visti.isEmpty());
        QFile uscita(percorso);
        if (file.endsWith(".csv") && uscita.open(QIODevice::ReadOnly)) {
            const QByteArray csv = uscita.readAll();
            QCOMPARE(csv.toStdString(), CsvDi(CellePerAnno(anni)));
            QVERIFY(csv.contains("\r\n2007;1;5000,00;7950,46;12950,46\r\n"));
            QVERIFY(csv.endsWith("\r\nTotale;10;29504,57;100000,00;129504,57\r\n"));
        }
        if (file.endsWith(".pdf"))
            QVERIFY(Pagine(percorso) == 1 && Esegui("pdftotext", {percorso, "-"})[1].contains("29.504,57"));
        QCOMPARE(QFileInfo(percorso).isFile(), !file.isEmpty());
    }
};

QTEST_MAIN(TestInteressiAnno)
#include "test_interessi_anno.moc"
