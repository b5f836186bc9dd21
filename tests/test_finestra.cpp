// The main window driven as a user would: the wizard, its keys, its
// questions, the plan's menu, the names screen readers announce.

#include "guida_finestra.h"
#include "ui/main/link_sito.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

// Counts the times the desktop is asked to open the maker's site.
class Browser : public QObject {
    Q_OBJECT
public:
    int aperti = 0;
public slots:
    void Apri(const QUrl& indirizzo) { aperti += indirizzo == QUrl(QString::fromLatin1(IndirizzoSito)) ? 1 : 0; }
};

// Return and the keypad's Enter on a button, on its page: whether a question
// follows, how many times the site opens.
const std::tuple<const char*, int, bool, int> Bottoni[] = {{"cmdAvanti", 0, false, 0},
                                                           {"cmdIndietro", 1, false, 0},
                                                           {"cmdChiudi", 0, true, 0},
                                                           {"cmdPrint", 2, true, 0},
                                                           {"cmdSito", 2, false, 2}};

const QString UltimaRiga = QStringLiteral(" 10    06/04/2016            618        12.333        12.950              ");

}  // namespace

class TestFinestra : public QObject, private GuidaFinestra {
    Q_OBJECT
    Browser browser;

    void VaiA(int numero)
    {
        while (pagina() != numero)
            c(pagina() > numero ? "cmdIndietro" : "cmdAvanti")->click();
    }
    void ApriMenu(bool daTastiera)
    {
        // As the platform delivers it: for the Menu key to the list, for the
        // right button to the list's viewport.
        QWidget* bersaglio = daTastiera ? static_cast<QWidget*>(lista()) : lista()->viewport();
        QContextMenuEvent evento(daTastiera ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse, {20, 20},
                                 bersaglio->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(bersaglio, &evento);
    }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "Apri"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init() { QVERIFY(Carica()); }
    void cleanup()
    {
        frm.reset();
        QVERIFY2(AtteseCompiute(), "una finestra attesa non è comparsa");
    }

    void statiDellaProcedura()
    {
        QCOMPARE(c<QLineEdit>("txtData")->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QVERIFY(c("cmdAvanti")->isEnabled() && !c("cmdIndietro")->isEnabled());
        // The button clicked; the page, Avanti, Indietro, whether a plan is listed.
        const std::tuple<const char*, int, bool, bool, bool> stati[] = {
            {"cmdAvanti", 1, true, true, false},  {"cmdAvanti", 2, false, true, true},
            {"cmdIndietro", 1, true, true, true}, {"cmdIndietro", 0, true, false, true},
            {"cmdAvanti", 1, true, true, true},   {"cmdAvanti", 2, false, true, true}};
        for (const auto& [bottone, numero, avanti, indietro, listato] : stati) {
            c(bottone)->click();
            QCOMPARE(pagina(), numero);
            QCOMPARE(c("cmdAvanti")->isEnabled(), avanti);
            QCOMPARE(c("cmdIndietro")->isEnabled(), indietro);
            QCOMPARE(lista()->count() > 0, listato);
        }
    }

    void ordineDiTabulazione()
    {
        // From the pages, which hold the focus at start, on each page; the
        // options are one stop, at the chosen one, and the arrows move it.
        const QStringList ordini[] = {
            {"cmdChiudi", "cmdAvanti", "txtImporto", "txtNumRate", "txtTasso", "txtData", "pagine"},
            {"cmdChiudi", "cmdAvanti", "cmdIndietro", "opzioneMensile", "pagine"},
            {"cmdChiudi", "cmdIndietro", "listaPiano", "cmdPrint", "cmdSito", "pagine"}};
        for (const auto& ordine : ordini) {
            for (const auto& atteso : ordine) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), atteso);
            }
            c("cmdAvanti")->click();
        }
        VaiA(1);
        for (const auto tasto : {Qt::Key_Backtab, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab})
            QTest::keyClick(QApplication::focusWidget(), tasto);
        QVERIFY(c<QRadioButton>("opzioneBimestrale")->isChecked() && c<QWidget>("opzioneBimestrale")->hasFocus());
    }

    void chiusuraConDomanda()
    {
        AiRisultati();
        Messaggio no;
        Messaggio si;
        Rispondi(QMessageBox::No, no);
        c("cmdChiudi")->click();
        QCOMPARE(no.testo, QStringLiteral("Chiudere il programma?"));
        QCOMPARE(no.icona, QMessageBox::Question);
        QVERIFY(frm->isVisible());
        QCOMPARE(lista()->count(), 21);
        // Escape anywhere clicks Chiudi (offscreen, the window has to be
        // given back the activation that a window manager would restore).
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        Rispondi(QMessageBox::Yes, si);
        QTest::keyClick(lista(), Qt::Key_Escape);
        QVERIFY(si.mostrato && !frm->isVisible());
        frm->show();
        QVERIFY(frm->close());  // the title bar's cross asks nothing
    }

    void invioCliccaIlBottone_data() { Casi(Bottoni); }
    void invioCliccaIlBottone()
    {
        const auto& [nome, numero, domanda, siti] = Caso(Bottoni);
        const int aperti = browser.aperti;
        AiRisultati();
        for (const auto& [tasto, tasti] :
             {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
            VaiA(numero);
            auto* bottone = c<QAbstractButton>(nome);
            QSignalSpy clic(bottone, &QAbstractButton::clicked);
            Messaggio risposta;
            if (domanda)
                Rispondi(QMessageBox::No, risposta);
            bottone->setFocus();
            QTest::keyClick(bottone, tasto, tasti);
            QCOMPARE(clic.count(), 1);
        }
        QCOMPARE(browser.aperti - aperti, siti);
        QTest::mouseClick(frm->findChild<LinkSito*>(), Qt::LeftButton);
        QCOMPARE(browser.aperti - aperti, siti + 1);
    }

    void calcoloFallitoLoDice()
    {
        AiRisultati();
        QCOMPARE(lista()->item(20)->text(), UltimaRiga);
        VaiA(0);
        Messaggio avviso;
        Rispondi(QMessageBox::Ok, avviso);
        AiRisultati({"100000", "999", "5", "01/01/9500"});
        QVERIFY(avviso.testo.startsWith(QStringLiteral("Impossibile calcolare il piano.\n\nUna scadenza")));
        QVERIFY(avviso.testo.contains(QStringLiteral("31/12/9999")));
        QCOMPARE(avviso.icona, QMessageBox::Warning);
        QCOMPARE(lista()->count(), 0);
        QVERIFY(!c("cmdAvanti")->isEnabled() && c("cmdIndietro")->isEnabled());
        c<QAbstractButton>("cmdPrint")->click();  // no plan: no question
    }

    void menuDelListato_data()
    {
        QTest::addColumn<bool>("daTastiera");
        QTest::newRow("tasto destro") << false;
        QTest::newRow("tasto Menu") << true;
    }
    void menuDelListato()
    {
        QFETCH(bool, daTastiera);
        AiRisultati();
        // Copia: all the lines when none is selected, else the selected ones.
        Scegli(QStringLiteral("Copia"));
        ApriMenu(daTastiera);
        const QStringList tutte = QApplication::clipboard()->text().split('\n');
        QCOMPARE(tutte.mid(20), QStringList({UltimaRiga, QString()}));
        lista()->item(20)->setSelected(true);
        lista()->item(11)->setSelected(true);
        Scegli(QStringLiteral("Copia"));
        ApriMenu(daTastiera);
        QCOMPARE(QApplication::clipboard()->text(), tutte.at(11) + '\n' + UltimaRiga + '\n');

        QTemporaryDir cartella;
        const auto salva = [&](const QString& voce, const QString& nome) {
            Scegli(voce);
            AlProssimoModale<QFileDialog>([percorso = cartella.filePath(nome)](QFileDialog* dialogo) {
                dialogo->selectFile(percorso);
                QMetaObject::invokeMethod(dialogo, "accept");
            });
            ApriMenu(daTastiera);
            QFile file(cartella.filePath(nome));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QStringList csv = QString::fromUtf8(salva(QStringLiteral("Esporta CSV…"), "piano.csv")).split("\r\n");
        QCOMPARE(csv.size(), 12);
        QCOMPARE(csv.at(1), QStringLiteral("1;06/04/2007;5000,00;7950,46;12950,46;92049,54"));
        QVERIFY(salva(QStringLiteral("Salva come PDF…"), QStringLiteral("piano.pdf")).startsWith("%PDF"));

        // One row per year and the totals.
        QString totale;
        Scegli(QStringLiteral("Interessi per anno…"));
        AlProssimoModale<QDialog>([&](QDialog* dialogo) {
            const auto* tabella = dialogo->findChild<QTableWidget*>();
            totale = QString::number(tabella->rowCount()) + ' ' + tabella->item(tabella->rowCount() - 1, 2)->text();
            dialogo->reject();
        });
        ApriMenu(daTastiera);
        QCOMPARE(totale, QStringLiteral("11 29.504,57"));
    }

    void ogniControlloHaUnNome()
    {
        // What a screen reader announces for each control that takes the
        // focus, on each page as it shows: a name of its own.
        QStringList nomi;
        const std::function<void(QAccessibleInterface*)> visita = [&](QAccessibleInterface* nodo) {
            if (nodo->state().focusable)
                nomi << nodo->text(QAccessible::Name).trimmed();
            for (int i = 0; i < nodo->childCount(); ++i) {
                if (QAccessibleInterface* figlio = nodo->child(i); figlio->object() && figlio->object()->isWidgetType())
                    visita(figlio);
            }
        };
        AiRisultati();
        for (int numero = 2; numero >= 0; --numero) {
            VaiA(numero);
            nomi.clear();
            visita(QAccessible::queryAccessibleInterface(frm.get()));
            QVERIFY2(!nomi.contains(QString()) && nomi.removeDuplicates() == 0, qPrintable(nomi.join(" | ")));
        }
    }
};

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
