// The main window driven as a user would: keys, clicks, paste, and the
// answers to its questions.

#include "guida_finestra.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

// Records the addresses the desktop is asked to open.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> aperti;
public slots:
    void apri(const QUrl& indirizzo) { aperti.append(indirizzo); }
};

// The tip shown as it stands, none when hidden. A hidden tip goes at once,
// not after the fading delay of QToolTip::hideText().
QString Suggerimento()
{
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
void NascondiSuggerimento()
{
    for (QWidget* finestra : QApplication::topLevelWidgets()) {
        if (finestra->inherits("QTipLabel"))
            finestra->hide();
    }
}

}  // namespace

class TestFinestra : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void init() { QVERIFY(Carica()); }
    void cleanup()
    {
        AnnullaAttese();
        frm.reset();
    }

    void partenzaDopoLoSplash()
    {
        frm.reset();
        frm = std::make_unique<FrmMain>();
        bool finestraVisibile = true;
        bool splashVisibile = false;
        AlProssimoModale<frmSplash>([&](frmSplash* splash) {
            splashVisibile = splash->isVisible();
            finestraVisibile = frm->isVisible();
            splash->accept();
        });
        frm->Form_Load();
        QVERIFY(splashVisibile);
        QVERIFY(!finestraVisibile);
        QCOMPARE(data()->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(tb()->currentIndex(), 0);
        QCOMPARE(tb()->count(), 3);
        QVERIFY(avanti()->isEnabled());
        QVERIFY(!indietro()->isEnabled());
        QVERIFY(c<QRadioButton>(QStringLiteral("Option1_0"))->isChecked());
        QCOMPARE(lista()->count(), 0);
        QVERIFY(!campo("txtRata")->Value().has_value());
        QCOMPARE(campo("txtImporto")->text(), QStringLiteral("0,00"));
        QCOMPARE(campo("txtNumRate")->text(), QStringLiteral("1"));
        QCOMPARE(campo("txtTasso")->text(), QStringLiteral("0,00"));
    }

    void tabellaDegliStati()
    {
        Inserisci("100000", "10", "5", "06/04/2006");
        struct Passo {
            QPushButton* bottone;
            int pagina;
            bool avantiAttivo;
            bool indietroAttivo;
            bool listato;
        };
        const Passo passi[] = {
            {avanti(), 1, true, true, false},   {avanti(), 2, false, true, true}, {indietro(), 1, true, true, true},
            {indietro(), 0, true, false, true}, {avanti(), 1, true, true, true},  {avanti(), 2, false, true, true},
        };
        for (const auto& passo : passi) {
            passo.bottone->click();
            QCOMPARE(tb()->currentIndex(), passo.pagina);
            QCOMPARE(avanti()->isEnabled(), passo.avantiAttivo);
            QCOMPARE(indietro()->isEnabled(), passo.indietroAttivo);
            QCOMPARE(lista()->count() > 0, passo.listato);
        }
    }

    void laPaginaDeiRisultatiRifaIlPiano()
    {
        Inserisci("100000", "10", "5", "06/04/2006");
        AiRisultati(5);
        QCOMPARE(lista()->count(), 21);
        QCOMPARE(lista()->item(20)->text(),
                 QStringLiteral(" 10    06/04/2016            618        12.333        12.950              "));
        indietro()->click();
        indietro()->click();
        Scrivi(campo("txtNumRate"), "3");
        avanti()->click();
        avanti()->click();
        QCOMPARE(lista()->count(), 14);
        QCOMPARE(lista()->item(4)->text(),
                 QStringLiteral("IMPORTO MUTUO          :          100.000   NUMERO RATE   :    3"));
    }

    void ilListatoEQuelloDelProgrammaARigaDiComando()
    {
        struct Caso {
            const char* importo;
            const char* rate;
            const char* tasso;
            const char* data;
            int cadenza;
            const char* nomeCadenza;
        };
        const Caso casi[] = {
            {"100000", "10", "5", "06/04/2006", 5, "annuale"},
            {"250000,5", "999", "4,75", "31/01/2008", 0, "mensile"},
            {"1234,56", "7", "12,5", "29/02/2008", 3, "quadrimestrale"},
        };
        for (const auto& caso : casi) {
            Inserisci(caso.importo, caso.rate, caso.tasso, caso.data);
            AiRisultati(caso.cadenza);
            QProcess cli;
            cli.start(QStringLiteral(PIANOAMM_CLI), {"--importo", caso.importo, "--numero-rate", caso.rate, "--tasso",
                                                     caso.tasso, "--cadenza", caso.nomeCadenza, "--data", caso.data});
            QVERIFY(cli.waitForFinished());
            QCOMPARE(cli.exitCode(), 0);
            QCOMPARE(Listato().join('\n') + '\n', QString::fromUtf8(cli.readAllStandardOutput()));
            indietro()->click();
            indietro()->click();
        }
    }

    void controlloDellaDataAOgniModifica()
    {
        struct Caso {
            const char* testo;
            bool valida;
        };
        const Caso casi[] = {{"06/04/2006", true}, {"31/02/2006", false}, {"", false},          {"6/4/2006", true},
                             {"domani", false},    {"29/02/2008", true},  {"29/02/2007", false}};
        for (const auto& caso : casi) {
            Scrivi(data(), QString::fromLatin1(caso.testo));
            QCOMPARE(avanti()->isEnabled(), caso.valida);
            QCOMPARE(data()->toolTip().contains(QStringLiteral("GG/MM/AAAA")), !caso.valida);
        }
        // Pasted text is checked too, not only typed text.
        for (const auto& caso : casi) {
            QApplication::clipboard()->setText(QString::fromLatin1(caso.testo));
            data()->selectAll();
            data()->paste();
            QCOMPARE(data()->text(), QString::fromLatin1(caso.testo));
            QCOMPARE(avanti()->isEnabled(), caso.valida);
        }
    }

    void puntoComeVirgolaInImportoETassoNonNelleRate()
    {
        const QString avviso = QStringLiteral("Il numero delle rate è un numero intero, senza decimali.");
        struct Caso {
            const char* campo;
            const char* digitato;
            const char* testo;
            double valore;
            bool avvisato;
        };
        const Caso casi[] = {
            {"txtImporto", "1234.5", "1234,5", 1234.5, false},
            {"txtTasso", "4.25", "4,25", 4.25, false},
            {"txtNumRate", "1.5", "1", 1, true},  // the mark and the decimals after it are refused
            {"txtNumRate", "12,50", "12", 12, true},
            {"txtNumRate", "36", "36", 36, false},
        };
        for (const auto& caso : casi) {
            NascondiSuggerimento();
            Scrivi(campo(caso.campo), QString::fromLatin1(caso.digitato));
            QCOMPARE(campo(caso.campo)->text(), QString::fromLatin1(caso.testo));
            QCOMPARE(campo(caso.campo)->Value(), caso.valore);
            QCOMPARE(Suggerimento(), caso.avvisato ? avviso : QString());
        }
    }

    void numeriIncollati()
    {
        // Pasted, by any of the ways, over the selection given (-1: all of
        // it) of "1.000,00", "360" and "3,50": the piece is read as it is
        // meant, or refused whole.
        const QString avviso = QStringLiteral("Il numero delle rate è un numero intero, senza decimali.");
        struct Caso {
            const char* campo;
            int inizio;
            int lunghezza;
            const char* incollato;
            const char* testoDopo;  // nullptr: refused, the text as it was
            double valore;
            bool avvisato;
        };
        const Caso casi[] = {
            {"txtImporto", -1, 0, "1234.56", "1234,56", 1234.56, false},
            {"txtImporto", -1, 0, "1.234,56", "1234,56", 1234.56, false},
            {"txtImporto", -1, 0, "1234,56", "1234,56", 1234.56, false},
            {"txtImporto", -1, 0, "1.5", "1,5", 1.5, false},
            {"txtImporto", -1, 0, "1.000", "1000", 1000, false},
            {"txtImporto", -1, 0, " 250.000,00\n", "250000,00", 250000, false},
            {"txtImporto", 0, 5, "2.500", "2500,00", 2500, false},
            {"txtImporto", 6, 2, "5", "1.000,5", 1000.5, false},
            {"txtImporto", -1, 0, "1.2.3.4", nullptr, 1000, false},
            {"txtImporto", -1, 0, "....", nullptr, 1000, false},
            {"txtImporto", -1, 0, "1234.567", nullptr, 1000, false},
            {"txtImporto", -1, 0, "1.000,5,5", nullptr, 1000, false},
            {"txtImporto", -1, 0, "dieci euro", nullptr, 1000, false},
            {"txtImporto", -1, 0, "1e9", nullptr, 1000, false},
            {"txtImporto", -1, 0, "-3", nullptr, 1000, false},
            {"txtImporto", -1, 0, "1.000.000.000", nullptr, 1000, false},  // past the maximum
            {"txtImporto", 8, 0, "12", nullptr, 1000, false},              // a third and fourth decimal
            {"txtTasso", -1, 0, "4.25", "4,25", 4.25, false},
            {"txtTasso", -1, 0, "1.000", nullptr, 3.5, false},
            {"txtNumRate", -1, 0, "120", "120", 120, false},
            {"txtNumRate", -1, 0, "12.5", nullptr, 360, true},
            {"txtNumRate", -1, 0, "12,5", nullptr, 360, true},
            {"txtNumRate", 3, 0, ",", nullptr, 360, true},
            {"txtNumRate", -1, 0, "1.000", nullptr, 360, false},
        };
        const std::function<void(QLineEdit*)> modi[] = {
            [](QLineEdit* f) { f->paste(); },
            [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier); },
            [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier); },
            [](QLineEdit* f) {
                const std::unique_ptr<QMenu> menu(f->createStandardContextMenu());
                for (QAction* voce : menu->actions()) {
                    if (voce->text().startsWith(QStringLiteral("&Paste")))
                        voce->trigger();
                }
            },
        };
        const auto valorePrima = [&](const CampoNumerico* f) {
            return f == campo("txtImporto") ? 1000 : f == campo("txtNumRate") ? 360 : 3.5;
        };
        for (const auto& caso : casi) {
            auto* f = campo(caso.campo);
            for (std::size_t modo = 0; modo < std::size(modi); ++modo) {
                f->SetValue(valorePrima(f));
                const QString prima = f->text();
                f->setFocus();
                if (caso.inizio < 0)
                    f->selectAll();
                else
                    f->setSelection(caso.inizio, caso.lunghezza);
                NascondiSuggerimento();
                QApplication::clipboard()->setText(QString::fromLatin1(caso.incollato));
                modi[modo](f);
                const QString riga = QStringLiteral("%1 in %2, modo %3").arg(caso.incollato, caso.campo).arg(modo);
                QVERIFY2(f->text() == (caso.testoDopo ? QString::fromLatin1(caso.testoDopo) : prima), qPrintable(riga));
                QVERIFY2(f->Value() == caso.valore, qPrintable(riga));
                QVERIFY2(Suggerimento() == (caso.avvisato ? avviso : QString()), qPrintable(riga));
            }
        }
    }

    void campiNumericiNelLoroIntervallo()
    {
        struct Caso {
            const char* campo;
            const char* digitato;
            const char* testoDopo;
            double valore;
        };
        const Caso casi[] = {
            {"txtImporto", "abc", "0,00", 0},                           // nothing that is not a number gets in
            {"txtImporto", "9999999999", "999.999.999,00", 999999999},  // the tenth digit would pass the maximum
            {"txtImporto", "12,345", "12,34", 12.34},                   // a third decimal is refused
            {"txtImporto", "-5", "5,00", 5},
            {"txtImporto", "", "0,00", 0},  // emptied: the minimum
            {"txtNumRate", "0", "1", 1},    // under the minimum: the minimum once left
            {"txtNumRate", "1000", "100", 100},
            {"txtNumRate", "", "1", 1},
            {"txtNumRate", "12x", "12", 12},
            {"txtTasso", "100", "10,00", 10},
            {"txtTasso", "99,5", "99,00", 99},
            {"txtTasso", "7,5%", "7,50", 7.5},
        };
        for (const auto& caso : casi) {
            auto* f = campo(caso.campo);
            Scrivi(f, QString::fromLatin1(caso.digitato));
            data()->setFocus();  // leave the field
            QCOMPARE(f->text(), QString::fromUtf8(caso.testoDopo));
            QCOMPARE(f->Value(), caso.valore);
        }
    }

    void tassoZeroCalcolaIlPiano()
    {
        Inserisci("100000", "4", "0", "06/04/2006");
        Messaggio messaggio;
        Rispondi(QMessageBox::Ok, messaggio);
        AiRisultati(2);
        QVERIFY(!messaggio.mostrato);
        QCOMPARE(lista()->count(), 15);
        QCOMPARE(lista()->item(5)->text(),
                 QStringLiteral("RATA FISSA             :            25000   TASSO % ANNUALE :    0,000"));
        QCOMPARE(campo("txtRata")->Value(), 25000.0);
    }

    void calcoloFallitoLoDiceELasciaLaListaVuota()
    {
        Inserisci("100000", "10", "5", "06/04/2006");
        AiRisultati(5);
        QCOMPARE(lista()->count(), 21);
        indietro()->click();
        indietro()->click();
        Inserisci("100000", "999", "5", "01/01/9500");
        Messaggio messaggio;
        Rispondi(QMessageBox::Ok, messaggio);
        AiRisultati(5);
        QVERIFY(messaggio.mostrato);
        QVERIFY(messaggio.testo.contains(QStringLiteral("31/12/9999")));
        QCOMPARE(messaggio.icona, QMessageBox::Warning);
        QCOMPARE(lista()->count(), 0);
        QCOMPARE(tb()->currentIndex(), 2);
        QVERIFY(!avanti()->isEnabled());
        QVERIFY(indietro()->isEnabled());
    }

    void chiusuraConDomanda()
    {
        Inserisci("100000", "10", "5", "06/04/2006");
        AiRisultati(5);
        Messaggio no;
        Rispondi(QMessageBox::No, no);
        c<QPushButton>(QStringLiteral("cmdClose"))->click();
        QVERIFY(no.mostrato);
        QCOMPARE(no.testo, QStringLiteral("Chiudere il programma?"));
        QCOMPARE(no.icona, QMessageBox::Question);
        QVERIFY(frm->isVisible());
        QCOMPARE(tb()->currentIndex(), 2);
        QCOMPARE(lista()->count(), 21);
        QCOMPARE(campo("txtImporto")->Value(), 100000.0);

        // Escape anywhere clicks Chiudi (offscreen, the window has to be
        // given back the activation that a window manager would restore).
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        Messaggio si;
        Rispondi(QMessageBox::Yes, si);
        QTest::keyClick(lista(), Qt::Key_Escape);
        QVERIFY(si.mostrato);
        QVERIFY(!frm->isVisible());
    }

    void laCrocettaChiudeSenzaChiedere()
    {
        Messaggio domanda;
        Rispondi(QMessageBox::No, domanda);
        QVERIFY(frm->close());
        QVERIFY(!domanda.mostrato);
        QVERIFY(!frm->isVisible());
    }

    void txtRataNonSiVedeMaiMaTieneLaRata()
    {
        Inserisci("100000", "1", "5", "06/04/2006");
        auto* rata = campo("txtRata");
        QVERIFY(!rata->isVisible());
        AiRisultati(5);
        QVERIFY(!rata->isVisible());
        // Beyond the field's own range: held whole, shown whole in the listing.
        QVERIFY(qAbs(*rata->Value() - 105000) < 1e-6);
        QCOMPARE(lista()->item(5)->text(),
                 QStringLiteral("RATA FISSA             :           105000   TASSO % ANNUALE :    5,000"));
        indietro()->click();
        indietro()->click();
        QVERIFY(!rata->isVisible());
    }

    void ordineDiTabulazione()
    {
        const char* attesi[] = {"cmdClose", "cmdAvanti", "txtImporto", "txtNumRate", "txtTasso", "txtData", "tb"};
        QCOMPARE(QApplication::focusWidget(), tb());
        for (const char* atteso : attesi) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(atteso));
        }
        avanti()->click();
        tb()->setFocus();
        // The option group takes the focus at its selected option; the
        // arrows move the choice within it.
        const char* pagina1[] = {"cmdClose", "cmdAvanti", "cmdIndietro", "Option1_0"};
        for (const char* atteso : pagina1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(atteso));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_1"));
        QVERIFY(c<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tb());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1_1"));
        avanti()->click();
        tb()->setFocus();
        const char* pagina2[] = {"cmdClose", "cmdIndietro", "List1", "cmdPrint", "cmdSito"};
        for (const char* atteso : pagina2) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(atteso));
        }
    }

    void ilSitoSiApreUnaVoltaPerClic()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "apri");
        AiRisultati(0);
        c<QToolButton>(QStringLiteral("cmdSito"))->click();
        QCOMPARE(browser.aperti.size(), 1);
        auto* etichetta = c<QLabel>(QStringLiteral("etc"));
        QTest::mouseClick(etichetta, Qt::LeftButton);
        QCOMPARE(browser.aperti.size(), 2);
        QCOMPARE(browser.aperti.at(0), QUrl(QString::fromLatin1(FrmMain::IndirizzoSito)));
        QCOMPARE(browser.aperti.at(0).scheme(), QStringLiteral("http"));
        QVERIFY(etichetta->text().endsWith(QStringLiteral(" - Software Gestionale")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void invioCliccaIlBottoneConIlFuoco()
    {
        // Return and the keypad's Enter do what Space does to the focused
        // button, on the page where it shows.
        struct Caso {
            const char* bottone;
            int pagina;
            bool domanda;
        };
        const Caso casi[] = {
            {"cmdAvanti", 0, false}, {"cmdIndietro", 1, false}, {"cmdClose", 0, true},
            {"cmdPrint", 2, true},   {"cmdSito", 2, false},
        };
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "apri");
        const auto ripristina = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); });
        Inserisci("100000", "10", "5", "06/04/2006");
        for (const auto& caso : casi) {
            for (const auto tasto : {Qt::Key_Return, Qt::Key_Enter}) {
                while (tb()->currentIndex() < caso.pagina)
                    avanti()->click();
                while (tb()->currentIndex() > caso.pagina)
                    indietro()->click();
                auto* bottone = c<QAbstractButton>(QString::fromLatin1(caso.bottone));
                QSignalSpy clic(bottone, &QAbstractButton::clicked);
                Messaggio domanda;
                if (caso.domanda)
                    Rispondi(QMessageBox::No, domanda);
                bottone->setFocus();
                QTest::keyClick(bottone, tasto, tasto == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                QVERIFY2(clic.count() == 1, caso.bottone);
                QCOMPARE(domanda.mostrato, caso.domanda);
                AnnullaAttese();
            }
        }
        QCOMPARE(browser.aperti.size(), 2);
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
        Inserisci("100000", "10", "5", "06/04/2006");
        AiRisultati(5);
        // The context menu event as the platform delivers it for the right
        // button (to the list's viewport) or for the Menu key (to the list).
        const auto apri = [&] {
            const QPoint punto(20, 20);
            QContextMenuEvent evento(daTastiera ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse, punto,
                                     lista()->viewport()->mapToGlobal(punto));
            QApplication::sendEvent(daTastiera ? static_cast<QWidget*>(lista()) : lista()->viewport(), &evento);
        };

        // Copia: all the lines when none is selected, else the selected ones.
        lista()->clearSelection();
        Scegli(QStringLiteral("Copia"));
        apri();
        QTRY_COMPARE(QApplication::clipboard()->text(), Listato().join('\n') + '\n');
        lista()->item(11)->setSelected(true);
        lista()->item(20)->setSelected(true);
        Scegli(QStringLiteral("Copia"));
        apri();
        QTRY_COMPARE(QApplication::clipboard()->text(),
                     lista()->item(11)->text() + '\n' + lista()->item(20)->text() + '\n');

        // Esporta CSV and Salva come PDF write the files chosen.
        QTemporaryDir cartella;
        const auto salvaIn = [&](const QString& nome) {
            AlProssimoModale<QFileDialog>([percorso = cartella.filePath(nome)](QFileDialog* dialogo) {
                dialogo->selectFile(percorso);
                QMetaObject::invokeMethod(dialogo, "accept");
            });
        };
        Scegli(QStringLiteral("Esporta CSV…"));
        salvaIn(QStringLiteral("piano.csv"));
        apri();
        QTRY_VERIFY(QFile::exists(cartella.filePath(QStringLiteral("piano.csv"))));
        QFile csv(cartella.filePath(QStringLiteral("piano.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList righeCsv = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(righeCsv.size(), 11);
        QCOMPARE(righeCsv.at(1), QStringLiteral("1;06/04/2007;5000,00;7950,46;12950,46;92049,54"));

        Scegli(QStringLiteral("Salva come PDF…"));
        salvaIn(QStringLiteral("piano.pdf"));
        apri();
        QTRY_VERIFY(QFileInfo(cartella.filePath(QStringLiteral("piano.pdf"))).size() > 1000);

        // Interessi per anno: one row per year and the totals.
        Scegli(QStringLiteral("Interessi per anno…"));
        int righeTabella = 0;
        QString totale;
        AlProssimoModale<QDialog>([&](QDialog* dialogo) {
            auto* tabella = dialogo->findChild<QTableWidget*>(QStringLiteral("tabella"));
            righeTabella = tabella->rowCount();
            totale = tabella->item(tabella->rowCount() - 1, 2)->text();
            dialogo->reject();
        });
        apri();
        QTRY_COMPARE(righeTabella, 11);
        QCOMPARE(totale, QStringLiteral("29.504,57"));
    }

    void abusoDellaFinestra()
    {
        // Garbage pasted into every field, the wizard walked back and forth
        // quickly: the inputs stay as the fields accepted them and the
        // listing always matches them.
        const QStringList spazzatura = {QStringLiteral("%$&/()"),
                                        QStringLiteral("-1e308"),
                                        QStringLiteral("99999999999999999999"),
                                        QStringLiteral("\u00e8\u20ac\u0000"),
                                        QStringLiteral("1,2,3"),
                                        QString(500, QLatin1Char('9')),
                                        QStringLiteral("NaN"),
                                        QStringLiteral("inf")};
        Inserisci("250000", "360", "3,5", "31/01/2008");
        for (const QString& testo : spazzatura) {
            QApplication::clipboard()->setText(testo);
            for (const char* nome : {"txtImporto", "txtNumRate", "txtTasso"}) {
                campo(nome)->selectAll();
                campo(nome)->paste();
            }
        }
        QCOMPARE(campo("txtImporto")->Value(), 250000.0);
        QCOMPARE(campo("txtNumRate")->Value(), 360.0);
        QCOMPARE(campo("txtTasso")->Value(), 3.5);

        QProcess cli;
        cli.start(QStringLiteral(PIANOAMM_CLI), {"--importo", "250000", "--numero-rate", "360", "--tasso", "3,5",
                                                 "--cadenza", "trimestrale", "--data", "31/01/2008"});
        QVERIFY(cli.waitForFinished());
        const QString atteso = QString::fromUtf8(cli.readAllStandardOutput());
        c<QRadioButton>(QStringLiteral("Option1_2"))->click();
        for (int giro = 0; giro < 200; ++giro) {
            (giro % 3 == 2 ? indietro() : avanti())->click();
            if (tb()->currentIndex() == 2)
                QCOMPARE(Listato().join('\n') + '\n', atteso);
        }
        // The date pasted as garbage is refused by the forward button.
        while (tb()->currentIndex() > 0)
            indietro()->click();
        for (const QString& testo : spazzatura) {
            QApplication::clipboard()->setText(testo);
            data()->selectAll();
            data()->paste();
            QVERIFY(!avanti()->isEnabled());
            avanti()->click();
            QCOMPARE(tb()->currentIndex(), 0);
        }
    }
};

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
