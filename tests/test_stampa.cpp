// Printing: the pagination, the drawing, the PDF offered without a printer, and the real print, which
// tests/stampa_cups.sh runs beside a print service of its own.

#include "engine/piano.h"
#include "guida_finestra.h"
#include "ui/controlli/grafico_piano.h"

#include <csignal>
#include <sys/resource.h>

// Lines; the pages, of 65 lines (then 62 under a blank line and the heading) but for the last, never of the heading
// alone; the lines on the last.
const struct {
    int righe, pagine, ultima;
} Impaginati[] = {{1, 1, 1}, {64, 1, 64}, {65, 1, 65}, {66, 2, 4}, {127, 2, 65}, {128, 3, 4}, {1010, 17, 18}};

// A line of so many characters on a page so wide, with such margins, in points: 6 points a character (10-point
// monospace), scaled down to fit when wider.
const struct {
    double larghezza, margine;
    int caratteri;
} Disegni[] = {{595, 28, 10}, {595, 28, 80}, {200, 10, 80}};

// Three pages of text, then a picture on a page of its own (read back as "-"): those a range chooses, in order.
const struct {
    const char *scelte, *lette;
} Intervalli[] = {{"", "A B C -"}, {"2-3", "B C"}, {"1,4", "A -"}, {"4", "-"}};

// The 999 monthly installments printed.
enum class Da { Riga, Pulsante, Dialogo };
const struct {
    Da da;  // the command line, the main window's button (on the default queue), or the simulation's
            // Stampa…, the queue and the listing's 17 pages, not the charts', chosen in the print dialog
    const char* variabile;  // holds the queue (none: --stampa; unset: a missing queue, as the message says)
    int codice;             // the exit code (the window: whether refused)
    int inAttesa;           // jobs held
} Stampe[] = {{Da::Pulsante, "PIANOAMM_RIFIUTA", 1, 0}, {Da::Pulsante, "PIANOAMM_CODA", 0, 0},
              {Da::Dialogo, "PIANOAMM_RIFIUTA", 1, 0},  {Da::Dialogo, "PIANOAMM_CODA", 0, 0},
              {Da::Riga, "PIANOAMM_RIFIUTA", 1, 0},     {Da::Riga, "PianoAmmInesistente", 1, 0},
              {Da::Riga, "PIANOAMM_FERMA", 0, 1},       {Da::Riga, "", 0, 0}};

class TestStampa : public GuidaFinestra {
    Q_OBJECT

private slots:
    void impaginazione_data() { Casi(Impaginati); }
    void impaginazione()
    {
        const auto& [righe, pagine, ultima] = Impaginati[Caso()];
        QStringList listato;
        for (int i = 0; i < righe; ++i)
            listato << QString::number(i);
        QStringList stampate;
        QList<int> contate;
        for (const auto& pagina : pianoamm::Impagina(listato, {"N.  TITOLI", "--  ------"})) {
            contate << static_cast<int>(pagina.size());
            QVERIFY(stampate.isEmpty() || pagina.mid(0, 3) == QStringList({" ", "     N.  TITOLI", "     --  ------"}));
            stampate += pagina.mid(stampate.isEmpty() ? 0 : 3);
        }
        QCOMPARE(contate, QList<int>(pagine - 1, 65) << ultima);
        // Every line once, in order, behind five spaces.
        QCOMPARE(stampate, listato.replaceInStrings(QRegularExpression("^"), "     "));
    }

    void disegno_data() { Casi(Disegni); }
    void disegno()
    {
        const auto& [larghezza, margine, caratteri] = Disegni[Caso()];
        QTemporaryFile pdf;
        const QPageLayout formato(QPageSize(QSizeF(larghezza, 842), QPageSize::Point), QPageLayout::Portrait,
                                  QMarginsF(margine, margine, margine, margine), QPageLayout::Point);
        QVERIFY(pdf.open() && pdf.write(pianoamm::DocumentoPdf({{QString(caratteri, 'X')}}, formato)) > 0
                && pdf.flush());
        const QString fonti = Esegui("pdffonts", {pdf.fileName()})[1];
        QVERIFY2(fonti.count('\n') == 3 && fonti.contains("Bold"), qPrintable(fonti));  // one font, bold
        // Where the line's one word lies, as read back; within 1% for rounding.
        const QStringList x = Esegui("pdftotext", {"-bbox", pdf.fileName(), "-"})[1].section("<word ", 1).split('"');
        const double ampiezza = std::min(6.0 * caratteri, larghezza - 2 * margine);
        QVERIFY2(qAbs(x[1].toDouble() - margine) < 0.5
                     && qAbs((x[5].toDouble() - x[1].toDouble()) / ampiezza - 1) < 0.01,
                 qPrintable(x.join('"')));
    }

    void intervallo_data() { Casi(Intervalli); }
    void intervallo()
    {
        const auto& [scelte, lette] = Intervalli[Caso()];
        QImage immagine(100, 50, QImage::Format_RGB32);
        immagine.fill(Qt::black);
        QTemporaryFile pdf;
        QVERIFY(pdf.open()
                && pdf.write(pianoamm::DocumentoPdf({{"A"}, {"B"}, {"C"}}, pianoamm::FormatoPdf(), {immagine},
                                                    QPageRanges::fromString(scelte)))
                       > 0
                && pdf.flush());
        QStringList pagine = Esegui("pdftotext", {pdf.fileName(), "-"})[1].split('\f');
        pagine.removeLast();  // after the last page's end
        QCOMPARE(pagine.replaceInStrings(QRegularExpression("^\\s*$"), "-").join(' ').simplified(), lette);
    }

    // The charts from their window, saved as PDF: one page, the two pictures one under the other. After a listing: one
    // page more, the listing's pages as they were, then the pictures drawn whole, as wide as the page (19 cm between
    // the margins) and not stretched.
    void grafico()
    {
        AiRisultati({"150000", "300", "3,5", "15/01/2026"}, "Mensile");
        QTemporaryDir dir;
        const QString soli = dir.filePath("grafico.pdf"), testo = dir.filePath("testo.pdf"),
                      tutto = dir.filePath("tutto.pdf");
        QList<QImage> immagini;
        Rispondi({"Grafico del piano…"});
        attese << [&](QWidget* dialogo) {
            immagini = dialogo->findChild<pianoamm::GraficoPiano*>()->Immagini(pianoamm::DimensioneStampa);
            Rispondi({soli});
            Bottone(dialogo, "Salva come P&DF…")->click();
            dialogo->close();
        };
        ApriMenu(false, {});
        const QList<QStringList> pagine = pianoamm::PagineDelListato(pianoamm::ComponiListato(
            pianoamm::PianoAmm({150000, 300, 3.5, {2026, 1, 15}, pianoamm::Cadenza::Mensile, {}})));
        pianoamm::ScriviPdf(QFile::encodeName(testo).toStdString(), pagine);
        pianoamm::ScriviPdf(QFile::encodeName(tutto).toStdString(), pagine, immagini);
        QCOMPARE(Pagine(soli), 1);
        const qsizetype ultima = Pagine(testo) + 1;
        QCOMPARE(Pagine(tutto), ultima);
        QCOMPARE(Esegui("pdftotext", {"-l", QString::number(ultima - 1), tutto, "-"})[1],
                 Esegui("pdftotext", {testo, "-"})[1]);
        // Each picture whole on the last page, 19 cm wide as the page between its margins (252 dots an inch), not
        // stretched: pdfimages lists page, number, type, width, height, ..., the dots an inch across and down in its
        // 13th and 14th columns.
        for (const auto& [pdf, pagina] : {std::pair(soli, qsizetype(1)), std::pair(tutto, ultima)}) {
            const QStringList elenco = Esegui("pdfimages", {"-list", pdf})[1].split('\n', Qt::SkipEmptyParts).mid(2);
            QCOMPARE(elenco.size(), 2);
            for (const QString& riga : elenco) {
                const QStringList campi = riga.simplified().split(' ');
                QVERIFY2(campi.size() > 13 && campi[0] == QString::number(pagina)
                             && campi.mid(2, 3) == QStringList({"image", "1890", "1063"})
                             && qAbs(campi[12].toDouble() - 1890 / (190 / 25.4)) < 1 && campi[13] == campi[12],
                         qPrintable(riga));
            }
        }
        // What they show: lines, labels, titles.
        QCOMPARE(Esegui("pdfimages", {"-png", "-f", QString::number(ultima), tutto, dir.filePath("grafico")})[0], "0");
        const QStringList estratte = QDir(dir.path()).entryList({"grafico-*.png"});
        QCOMPARE(estratte.size(), 2);
        for (const QString& png : estratte) {
            const QImage immagine(dir.filePath(png));
            int scuri = 0;
            for (int y = 0; y < immagine.height(); y += 3)
                for (int x = 0; x < immagine.width(); x += 3)
                    scuri += qGray(immagine.pixel(x, y)) < 128;
            QVERIFY2(scuri > 1000, qPrintable(png + ' ' + QString::number(scuri)));
        }
    }

    void senzaStampanteOffreIlPdf()
    {
        if (!qEnvironmentVariable("CUPS_SERVER").startsWith("/nessun"))
            QSKIP("solo dove nessun servizio di stampa risponde");
        AiRisultati({"100000", "120", "5", "31/01/2008"}, "Mensile");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("piano.pdf");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit senzaLimite = limite;
        // The answers to the question (0: Return), the offer of a PDF, the file dialog; the last time under a size
        // limit: the file cannot be written whole, the old one stays.
        const auto no = QMessageBox::No, si = QMessageBox::Yes, ok = QMessageBox::Ok;
        for (const QVariantList& risposte : {QVariantList{no}, {0, no}, {0, si, pdf}, {0, si, pdf, si, ok}}) {
            visti.clear();
            limite.rlim_cur = risposte.size() > 3 ? 4096 : senzaLimite.rlim_cur;
            setrlimit(RLIMIT_FSIZE, &limite);
            Rispondi(risposte);
            Premi("cmdPrint", risposte.size() % 2);
            setrlimit(RLIMIT_FSIZE, &senzaLimite);
            QCOMPARE(visti.value(0), "Question: Avviare la stampa?.");
            QVERIFY(visti.size() == 1 || (visti[1].contains("stampante") && visti[1].contains("PDF")));
            QCOMPARE(Pagine(pdf), risposte.size() > 2 ? 3 : 0);
            QCOMPARE(visti.constLast().contains("il file supera"), risposte.size() > 3);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), {"piano.pdf"});
    }

    void stampaReale_data() { Casi(Stampe); }
    void stampaReale()
    {
        if (qEnvironmentVariable("PIANOAMM_CODA").isEmpty())
            QSKIP("nessun servizio di stampa di prova: eseguire tramite tests/stampa_cups.sh");
        const auto& [da, variabile, codice, inAttesa] = Stampe[Caso()];
        const QString coda = qEnvironmentVariable(variabile, variabile), ferma = qEnvironmentVariable("PIANOAMM_FERMA");
        const QDir uscita(qEnvironmentVariable("PIANOAMM_USCITA"));
        const auto stampati = [&] { return uscita.entryList({"*.pdf"}, QDir::Files, QDir::Time); };
        const auto fermi = [&] { return Esegui("lpstat", {"-o", ferma})[1].count('\n'); };
        const QStringList prima = stampati();
        const qsizetype attesi = fermi();
        const QString rifiutata =
            QString(qEnvironmentVariableIsSet(variabile) ? "La stampante «%1» non ha accettato la stampa."
                                                         : "La stampante «%1» non esiste.")
                .arg(coda);
        if (da == Da::Dialogo) {
            AiRisultati({"250000", "999", "4,75", "31/01/2008"}, "Mensile");
            Rispondi({"Simula estinzione anticipata…"});
            attese << [](QWidget* editor) { editor->close(); };
            ApriMenu(false, {});
            attese << [&coda](QWidget* dialogo) {
                auto* stampanti = dialogo->findChild<QComboBox*>("printers");
                stampanti->setCurrentIndex(stampanti->findText(coda));
                dialogo->findChild<QRadioButton*>("printRange")->setChecked(true);
                dialogo->findChild<QSpinBox*>("to")->setValue(17);
                qobject_cast<QDialog*>(dialogo)->accept();
            };
            Rispondi(codice ? QVariantList{QMessageBox::Ok} : QVariantList());
            frm->findChild<QDialog*>("DlgSimulazione")->findChild<QPushButton*>("cmdStampa")->click();
            QVERIFY(!codice || visti.value(0).startsWith("Warning: " + rifiutata));
        } else if (da == Da::Pulsante) {
            QCOMPARE(Esegui("lpadmin", {"-d", coda})[0], "0");  // on the test's own service
            QCOMPARE(QPrinterInfo::defaultPrinterName(), coda);
            AiRisultati({"250000", "999", "4,75", "31/01/2008"}, "Mensile");
            Rispondi(codice ? QVariantList{QMessageBox::Yes, QMessageBox::No} : QVariantList{QMessageBox::Yes});
            Premi("cmdPrint");
            QVERIFY(!codice || (visti.value(1).startsWith("Warning: " + rifiutata) && visti[1].contains("PDF")));
        } else {
            const QString dati = "--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile --data 31/01/2008 ";
            const QStringList esito = Esegui(qEnvironmentVariable("PIANOAMM_CLI"),
                                             (dati + (coda.isEmpty() ? "--stampa" : "--stampante " + coda)).split(' '));
            QCOMPARE(esito.mid(0, 2), QStringList({QString::number(codice), ""}));
            // Refused: why, in the print service's words.
            const QString servizio = " Il servizio di stampa dice: ";
            QVERIFY2(codice ? esito[2].contains(rifiutata + servizio) && esito[2].section(servizio, 1).size() > 2
                            : esito[2].isEmpty(),
                     qPrintable(esito[2]));
        }
        QCOMPARE(fermi() - attesi, inAttesa);
        // The print's temporary files, gone once the job is handed over or refused.
        QVERIFY(QDir(qEnvironmentVariable("TMPDIR")).entryList({"pianoamm*"}, QDir::Files | QDir::Hidden).isEmpty());
        // What the accepting queue receives, waited for up to a minute: one job of 17 pages, the column heading and its
        // rule atop each after the first, the last installment last.
        const bool stampato = coda.isEmpty() || coda == qEnvironmentVariable("PIANOAMM_CODA");
        for (int i = 0; i < 600 && stampato && stampati().size() == prima.size(); ++i)
            QTest::qWait(100);
        QCOMPARE(stampati().size(), prima.size() + stampato);
        if (!stampato)
            return;
        const QStringList pagine = Esegui("pdftotext", {"-layout", uscita.filePath(stampati().first()), "-"})[1].split(
            '\f', Qt::SkipEmptyParts);
        QCOMPARE(pagine.size(), 17);
        for (const QString& pagina : pagine.mid(1))
            QVERIFY(pagina.simplified().startsWith("N. SCADENZA Q.INTERESSI Q.CAPITALE TOTALE RATA DEB.RESIDUO --"));
        QVERIFY(pagine.last().simplified().contains("999 30/04/2091 "));
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
