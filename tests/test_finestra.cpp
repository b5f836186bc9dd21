// The windows and printing, driven as a user would. tests/stampa_cups.sh runs
// it again beside a print service of its own, for the real print test.

#include "print/impaginazione.h"
#include "print/stampa.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/frm_main.h"
#include "ui/main/link_sito.h"
#include "ui/splash/frm_splash.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <sys/resource.h>

// Typed (-1), or pasted over "12,00" or "12" by paste(), Ctrl+V, Shift+Insert or the
// field's menu, then the field left: its text, its value (for the date: whether
// the wizard may go on), whether the tip that the installments are whole shows.
const std::tuple<const char*, int, const char*, const char*, double, bool> Campi[] = {
    {"txtImporto", -1, "1234.5", "1.234,50", 1234.5, false},
    {"txtImporto", -1, "9999999999", "999.999.999,00", 999999999, false},
    {"txtImporto", -1, "", "0,00", 0, false},
    {"txtTasso", -1, "99,5", "99,00", 99, false},
    {"txtNumRate", -1, "1.5", "1", 1, true},
    {"txtNumRate", -1, "0", "1", 1, false},
    {"txtData", -1, "6/4/06", "6/4/06", 1, false},
    {"txtData", -1, "31/02/2006", "31/02/2006", 0, false},
    {"txtImporto", 0, "1.234,56", "1.234,56", 1234.56, false},
    {"txtImporto", 1, "dieci euro", "12,00", 12, false},
    {"txtImporto", 2, "1.000.000.000", "12,00", 12, false},
    {"txtTasso", 3, "4.25", "4,25", 4.25, false},
    {"txtNumRate", 0, "120", "120", 120, false},
    {"txtNumRate", 1, "12,5", "12", 12, true}};

// A key with its text (Delete's "\x7f" types nothing), a mouse button with the keys held,
// or the time running out: whether it closes the picture, whether it shows the tag text.
const std::tuple<Qt::Key, const char*, Qt::MouseButton, Qt::KeyboardModifiers, bool, bool> Gesti[] = {
    {Qt::Key_A, "a", {}, {}, true, false},
    {Qt::Key_Escape, "\x1b", {}, {}, true, false},
    {Qt::Key_Delete, "\x7f", {}, {}, false, false},
    {Qt::Key_Left, "", {}, {}, false, false},
    {{}, "", Qt::LeftButton, {}, true, false},
    {{}, "", Qt::RightButton, Qt::ShiftModifier, false, true},
    {{}, "", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, false, false},
    {{}, "", {}, {}, true, false}};

// Lines; the pages, of 65 lines (then 62 under a blank line and the heading)
// but for the last, never of the heading alone; the lines on the last.
const std::tuple<int, int, int> Impaginati[] = {{1, 1, 1},    {64, 1, 64}, {65, 1, 65},   {66, 2, 4},
                                                {127, 2, 65}, {128, 3, 4}, {1010, 17, 18}};

// A line of so many characters on a page so wide, with such margins, in points:
// 6 points a character (10-point monospace), scaled down to fit when wider.
const std::tuple<double, double, int> Disegni[] = {{595, 28, 10}, {595, 28, 80}, {200, 10, 80}};

// The 999 monthly installments printed from the window (on the default queue) or the
// command line, on the queue in the variable (none: --stampa; no variable: a queue
// that does not exist); the exit code (the window: whether refused); jobs held.
const std::tuple<bool, const char*, int, int> Stampe[] = {
    {true, "PIANOAMM_RIFIUTA", 1, 0},     {true, "PIANOAMM_CODA", 0, 0},   {false, "PIANOAMM_RIFIUTA", 1, 0},
    {false, "PianoAmmInesistente", 1, 0}, {false, "PIANOAMM_FERMA", 0, 1}, {false, "", 0, 0}};

const QString UltimaRiga = " 10    06/04/2016            618        12.333        12.950              ";

// A program's exit code (-1 for a crash), standard output and standard error.
static QStringList Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(60000);
    const int codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {QString::number(codice), p.readAllStandardOutput(), p.readAllStandardError()};
}

// Modal windows and menus run event loops of their own: each is answered from its
// loop by the step queued for it. One with no step ends the run at once, naming it,
// rather than waiting for the time to run out; one with the property "prova" is ours.
class TestFinestra : public QObject {
    Q_OBJECT
    QList<std::function<void(QWidget*)>> attese;
    QStringList visti;  // the message boxes answered: icon and text
    std::unique_ptr<FrmMain> frm;
    int siti = 0;

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* w = qobject_cast<QWidget*>(oggetto);
        if (evento->type() == QEvent::Show && w && w->isWindow() && !w->property("prova").toBool()
            && (w->isModal() || w->windowType() == Qt::Popup))
            QTimer::singleShot(0, w, [w, passo = attese.isEmpty() ? nullptr : attese.takeFirst()] {
                passo ? passo(w) : qFatal("finestra inattesa: %s", qPrintable(w->property("text").toString()));
            });
        return false;
    }
    // The next modals answered: a box by button (0: Return, its default), a menu by entry,
    // a file dialog with a file.
    void Rispondi(const QVariantList& risposte)
    {
        for (const QVariant& risposta : risposte)
            attese << [this, risposta](QWidget* w) {
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    visti << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()) + (": " + box->text());
                    const auto bottone = QMessageBox::StandardButton(risposta.toInt());
                    return bottone ? box->button(bottone)->click() : QTest::keyClick(box, Qt::Key_Return);
                }
                if (auto* file = qobject_cast<QFileDialog*>(w)) {
                    file->selectFile(risposta.toString());
                    return void(QMetaObject::invokeMethod(file, "accept"));
                }
                w->close();  // a menu, its entry chosen once it has gone
                for (QAction* azione : w->actions())
                    azione->text() == risposta.toString() ? azione->trigger() : void();
            };
    }

    template <typename T = QPushButton>
    T* c(const QString& nome) const
    {
        return frm->findChild<T*>(nome);
    }
    QListWidget* lista() const { return c<QListWidget>("listaPiano"); }
    int pagina() const { return c<QStackedWidget>("pagine")->currentIndex(); }
    static qsizetype Pagine(const QString& pdf) { return Esegui("pdftotext", {pdf, "-"})[1].count('\f'); }
    static int Caso() { return *static_cast<const int*>(QTest::qData("caso", QMetaType::Int)); }
    // A test's _data as the numbers of a table's rows, taken with Caso.
    template <typename T>
    static void Casi(const T& tabella)
    {
        QTest::addColumn<int>("caso");
        for (int i = 0; i < static_cast<int>(std::size(tabella)); ++i)
            QTest::addRow("%d", i) << i;
    }
    static void Scrivi(QLineEdit* campo, const QString& testo)
    {
        campo->setFocus();
        campo->selectAll();
        QTest::keyClick(campo, Qt::Key_Delete);
        QTest::keyClicks(campo, testo);
    }
    // Return, or the keypad's Enter, on the button given the focus.
    void Premi(const QString& nome, bool tastierino = false)
    {
        c<QWidget>(nome)->setFocus();
        QTest::keyClick(c<QWidget>(nome), tastierino ? Qt::Key_Enter : Qt::Key_Return,
                        tastierino ? Qt::KeypadModifier : Qt::NoModifier);
    }
    // By default the worked example: 100.000 in ten yearly installments at 5%.
    void AiRisultati(const QStringList& dati = {"100000", "10", "5", "06/04/2006"}, const QString& cadenza = "Annuale")
    {
        for (int i = 0; i < 4; ++i)
            Scrivi(c<QLineEdit>(QStringList{"txtImporto", "txtNumRate", "txtTasso", "txtData"}[i]), dati[i]);
        c("cmdAvanti")->click();
        c<QRadioButton>("opzione" + cadenza)->click();
        c("cmdAvanti")->click();
    }
    // As the platform sends it: the Menu key to the list, the right button to its viewport.
    void ApriMenu(bool tastiera, const QVariantList& risposte)
    {
        Rispondi(risposte);
        QWidget* bersaglio = tastiera ? static_cast<QWidget*>(lista()) : lista()->viewport();
        QContextMenuEvent evento(QContextMenuEvent::Reason(tastiera), {20, 20}, bersaglio->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(bersaglio, &evento);
    }

public slots:
    void Apri(const QUrl& indirizzo) { siti += indirizzo == QUrl(IndirizzoSito) ? 1 : 0; }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(this);
        QDesktopServices::setUrlHandler("http", this, "Apri");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }
    void init()
    {
        frm = std::make_unique<FrmMain>();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    void cleanup()
    {
        frm.reset();
        visti.clear();
        // A step left waits for a window that never showed; it goes, not to answer the next test's.
        QVERIFY2(std::exchange(attese, {}).isEmpty(), "una finestra attesa non è comparsa");
    }

    void statiDellaProcedura()
    {
        QCOMPARE(c<QLineEdit>("txtData")->text(), QDate::currentDate().toString("dd/MM/yyyy"));
        // Pressed with Return and the keypad's Enter by turns; the page, Avanti, Indietro, a plan.
        const std::pair<QString, QString> stati[] = {{"-", "0100"},        {"Avanti", "1110"},   {"Avanti", "2011"},
                                                     {"Indietro", "1111"}, {"Indietro", "0101"}, {"Avanti", "1111"}};
        for (int i = 0; i < 6; ++i) {
            i ? Premi("cmd" + stati[i].first, i % 2) : void();
            const QString stato = QString::number(pagina()) + QString::number(c("cmdAvanti")->isEnabled())
                                  + QString::number(c("cmdIndietro")->isEnabled())
                                  + QString::number(lista()->count() > 0);
            QCOMPARE(stato, stati[i].second);
        }
    }

    void ordineDiTabulazione()
    {
        // From the pages, which hold the focus at start, on each page; the
        // options are one stop, at the chosen one, and the arrows move it.
        for (const QString ordine : {"cmdChiudi cmdAvanti txtImporto txtNumRate txtTasso txtData pagine",
                                     "cmdChiudi cmdAvanti cmdIndietro opzioneMensile pagine",
                                     "cmdChiudi cmdIndietro listaPiano cmdPrint cmdSito pagine"}) {
            for (const auto& atteso : ordine.split(' ')) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), atteso);
            }
            c("cmdAvanti")->click();
        }
        c("cmdIndietro")->click();
        for (const auto tasto : {Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab})
            QTest::keyClick(QApplication::focusWidget(), tasto);
        QVERIFY(c<QRadioButton>("opzioneBimestrale")->isChecked() && c<QWidget>("opzioneBimestrale")->hasFocus());
    }

    void risultatiEChiusura()
    {
        AiRisultati();
        QCOMPARE(lista()->item(20)->text(), UltimaRiga);
        // For a screen reader, each control taking the focus on each page: a name of its own.
        for (int numero = 2; numero >= 0; --numero, c("cmdIndietro")->click()) {
            QStringList nomi;
            for (QWidget* w : frm->findChildren<QWidget*>())
                if (w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                    nomi << QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed();
            QVERIFY2(nomi.size() > 3 && !nomi.contains("") && nomi.removeDuplicates() == 0, qPrintable(nomi.join('|')));
        }
        // A plan that cannot be computed: said, and no plan listed.
        Rispondi({QMessageBox::Ok});
        AiRisultati({"100000", "999", "5", "01/01/9500"});
        QVERIFY(visti.value(0).startsWith("Warning: Impossibile calcolare il piano.\n\nUna scadenza"));
        QVERIFY(visti.value(0).contains("31/12/9999"));
        QVERIFY(lista()->count() == 0 && !c("cmdAvanti")->isEnabled() && c("cmdIndietro")->isEnabled());
        Premi("cmdPrint");  // no plan: no question
        Premi("cmdSito");   // the maker's site, by its button and by the link
        QTest::mouseClick(frm->findChild<LinkSito*>(), Qt::LeftButton);
        QCOMPARE(siti, 2);
        // Closing asks, No keeps all; Escape asks too (given the activation a window manager would).
        Rispondi({QMessageBox::No});
        Premi("cmdChiudi", true);
        QVERIFY(frm->isVisible() && pagina() == 2 && c<QLineEdit>("txtData")->text() == "01/01/9500");
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        Rispondi({QMessageBox::Yes});
        QTest::keyClick(lista(), Qt::Key_Escape);
        QVERIFY(!frm->isVisible());
        QCOMPARE(visti.mid(1), QStringList(2, "Question: Chiudere il programma?"));
        frm->show();
        QVERIFY(frm->close());  // the title bar's cross asks nothing
    }

    void menuDelListato_data() { Casi(std::array{"tasto destro", "tasto Menu"}); }
    void menuDelListato()
    {
        const bool tastiera = Caso();
        AiRisultati();
        // Copia: all the lines when none is selected, else the selected ones.
        ApriMenu(tastiera, {"Copia"});
        const QStringList tutte = QApplication::clipboard()->text().split('\n');
        QCOMPARE(tutte.mid(20), QStringList({UltimaRiga, ""}));
        lista()->item(20)->setSelected(true);
        lista()->item(11)->setSelected(true);
        ApriMenu(tastiera, {"Copia"});
        QCOMPARE(QApplication::clipboard()->text(), tutte.at(11) + '\n' + UltimaRiga + '\n');
        QTemporaryDir cartella;
        QFile csv(cartella.filePath("piano.csv"));
        ApriMenu(tastiera, {"Esporta CSV…", csv.fileName()});
        ApriMenu(tastiera, {"Salva come PDF…", cartella.filePath("piano.pdf")});
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = csv.readAll().split('\n');
        QVERIFY(righe.size() == 12 && righe[1] == "1;06/04/2007;5000,00;7950,46;12950,46;92049,54\r");
        QCOMPARE(Pagine(cartella.filePath("piano.pdf")), 1);
        // One row per year and the totals.
        Rispondi({"Interessi per anno…"});
        attese << [this](QWidget* dialogo) {
            const auto* t = dialogo->findChild<QTableWidget*>();
            visti << QString::number(t->rowCount()) + ' ' + t->item(t->rowCount() - 1, 2)->text();
            dialogo->close();
        };
        ApriMenu(tastiera, {});
        QCOMPARE(visti, QStringList("11 29.504,57"));
    }

    void campi_data() { Casi(Campi); }
    void campi()
    {
        const auto& [nome, modo, dato, testo, valore, avvisato] = Campi[Caso()];
        auto* f = c<QLineEdit>(nome);
        auto* numero = qobject_cast<CampoNumerico*>(f);
        numero ? numero->ImpostaValore(12) : void();
        f->setFocus();
        f->selectAll();
        QApplication::clipboard()->setText(dato);
        const std::function<void()> modi[] = {
            [f, d = QString(dato)] { Scrivi(f, d); }, [f] { f->paste(); },
            [f] { QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier); },
            [f] { QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier); },
            [f] { std::unique_ptr<QMenu>(f->createStandardContextMenu())->actions().at(5)->trigger(); }};
        modi[modo + 1]();
        QCOMPARE(QToolTip::isVisible() && QToolTip::text().contains("numero intero"), avvisato);
        for (QWidget* w : QApplication::topLevelWidgets())
            w->inherits("QTipLabel") ? w->hide() : void();  // at once, not after fading
        c("cmdChiudi")->setFocus();
        QCOMPARE(f->text(), testo);
        QCOMPARE(numero ? numero->Valore() : c("cmdAvanti")->isEnabled(), valore);
        QVERIFY(numero || f->toolTip().contains("GG/MM/AAAA") == (valore == 0));
    }

    void gesti_data() { Casi(Gesti); }
    void gesti()
    {
        const auto& [tasto, testo, bottone, modificatori, chiude, etichetta] = Gesti[Caso()];
        FrmSplash splash;
        splash.setProperty("prova", true);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        // Centred: the margins left and right, above and below, differ by a pixel at most.
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        const QRect f = splash.frameGeometry();
        const QPoint d = f.topLeft() + f.bottomRight() - s.topLeft() - s.bottomRight();
        QVERIFY2(qAbs(d.x()) <= 1 && qAbs(d.y()) <= 1, qPrintable(QDebug::toString(d)));
        Rispondi(etichetta ? QVariantList{QMessageBox::Ok} : QVariantList());
        if (tasto)
            QTest::sendKeyEvent(QTest::Press, &splash, tasto, testo, Qt::NoModifier);
        else
            bottone ? QTest::mouseClick(&splash, bottone, modificatori) : splash.findChild<QTimer*>()->setInterval(1);
        QTRY_COMPARE(splash.isVisible(), !chiude);
        QCOMPARE(visti.join("").size() > 60, etichetta);
        // Closed for good: a modal showing returns at once (or the run ends), no showing again.
        QTimer::singleShot(1000, &splash, [] { qFatal("la finestra modale non è tornata"); });
        QCOMPARE(chiude ? splash.exec() : 1, 1);
        splash.show();
        QCOMPARE(splash.isVisible(), !chiude);
    }

    void impaginazione_data() { Casi(Impaginati); }
    void impaginazione()
    {
        const auto& [righe, pagine, ultima] = Impaginati[Caso()];
        QStringList listato;
        for (int i = 0; i < righe; ++i)
            listato << QString::number(i);
        QStringList stampate;
        QList<int> contate;
        for (const auto& pagina : Impagina(listato, {"N.  TITOLI", "--  ------"})) {
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
        QVERIFY(pdf.open() && pdf.write(DocumentoPdf({{QString(caratteri, 'X')}}, formato)) > 0 && pdf.flush());
        const QString fonti = Esegui("pdffonts", {pdf.fileName()})[1];
        QVERIFY2(fonti.count('\n') == 3 && fonti.contains("Bold"), qPrintable(fonti));  // one font, bold
        // Where the line's one word lies, as read back; within 1% for rounding.
        const QStringList x = Esegui("pdftotext", {"-bbox", pdf.fileName(), "-"})[1].section("<word ", 1).split('"');
        const double ampiezza = std::min(6.0 * caratteri, larghezza - 2 * margine);
        QVERIFY2(qAbs(x[1].toDouble() - margine) < 0.5
                     && qAbs((x[5].toDouble() - x[1].toDouble()) / ampiezza - 1) < 0.01,
                 qPrintable(x.join('"')));
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
        // The answers to the question (0: Return), the offer of a PDF, the file dialog; the
        // last time under a size limit: the file cannot be written whole, the old one stays.
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
        const auto& [finestra, variabile, codice, inAttesa] = Stampe[Caso()];
        const QString coda = qEnvironmentVariable(variabile, variabile), ferma = qEnvironmentVariable("PIANOAMM_FERMA");
        const QDir uscita(qEnvironmentVariable("PIANOAMM_USCITA"));
        const auto stampati = [&] { return uscita.entryList({"*.pdf"}, QDir::Files, QDir::Time); };
        const auto fermi = [&] { return Esegui("lpstat", {"-o", ferma})[1].count('\n'); };
        const QStringList prima = stampati();
        const qsizetype attesi = fermi();
        const QString rifiutata = QString("La stampante «%1» non ha accettato la stampa.").arg(coda);
        if (finestra) {
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
            QVERIFY2(codice ? esito[2].contains(rifiutata) : esito[2].isEmpty(), qPrintable(esito[2]));
        }
        QCOMPARE(fermi() - attesi, inAttesa);
        // The print's temporary files, gone once the job is handed over or refused.
        QVERIFY(QDir(qEnvironmentVariable("TMPDIR")).entryList({"pianoamm*"}, QDir::Files | QDir::Hidden).isEmpty());
        // What the accepting queue receives, waited for up to a minute: one job of 17 pages,
        // the column heading and its rule atop each after the first, the last installment last.
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

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
