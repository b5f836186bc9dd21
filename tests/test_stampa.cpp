// Printing with no printer: the pagination, the question, the PDF offered
// instead, and a PDF that cannot be written whole.

#include "guida_finestra.h"
#include "print/impaginazione.h"

#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

class TestStampa : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void cleanup()
    {
        frm.reset();
        QVERIFY2(AtteseCompiute(), "una finestra attesa non è comparsa");
    }

    void impaginazione_data()
    {
        // 65 lines on the first page, then 62 under a blank line and the
        // heading: never a page of the heading alone.
        QTest::addColumn<int>("righe");
        QTest::addColumn<QList<int>>("perPagina");
        QTest::newRow("1") << 1 << QList<int>{1};
        QTest::newRow("65") << 65 << QList<int>{65};
        QTest::newRow("66") << 66 << QList<int>{65, 4};
        QTest::newRow("127") << 127 << QList<int>{65, 65};
        QTest::newRow("128") << 128 << QList<int>{65, 65, 4};
        QTest::newRow("999 rate mensili") << 1010 << (QList<int>(16, 65) << 18);
    }
    void impaginazione()
    {
        QFETCH(int, righe);
        QFETCH(QList<int>, perPagina);
        QStringList listato;
        for (int i = 0; i < righe; ++i)
            listato << QString::number(i);
        const auto pagine = Impagina(listato, {QStringLiteral("N.  TITOLI"), QStringLiteral("--  ------")});
        // Every line once, in order, behind five spaces.
        QStringList stampate;
        QList<int> contate;
        for (const auto& pagina : pagine) {
            contate << static_cast<int>(pagina.size());
            if (!stampate.isEmpty())
                QCOMPARE(pagina.mid(0, 3), QStringList({" ", "     N.  TITOLI", "     --  ------"}));
            stampate += pagina.mid(stampate.isEmpty() ? 0 : 3);
        }
        QCOMPARE(contate, perPagina);
        QCOMPARE(stampate, listato.replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral("     ")));
    }

    void senzaStampanteOffreIlPdf()
    {
        // No print service answers at the address the test runs with.
        QVERIFY(qEnvironmentVariable("CUPS_SERVER").startsWith(QStringLiteral("/nessun")));
        QVERIFY(Carica());
        c<QAbstractButton>("cmdPrint")->click();  // nothing to print: no question
        AiRisultati({"100000", "120", "5", "31/01/2008"}, QStringLiteral("Mensile"));
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("piano.pdf"));
        // Answered: the question, the offer of a PDF, and the file to save.
        const auto stampa = [&](
                                QMessageBox::StandardButton avvia, QMessageBox::StandardButton salva,
                                const std::function<void()>& poi = [] {}) {
            Messaggio domanda;
            Messaggio offerta;
            Rispondi(avvia, domanda);
            if (avvia == QMessageBox::Yes)
                Rispondi(salva, offerta);
            if (salva == QMessageBox::Yes) {
                AlProssimoModale<QFileDialog>([&](QFileDialog* dialogo) {
                    dialogo->selectFile(pdf);
                    QMetaObject::invokeMethod(dialogo, "accept");
                });
            }
            poi();
            c<QAbstractButton>("cmdPrint")->click();
            QCOMPARE(domanda.testo, QStringLiteral("Avviare la stampa?."));
            QCOMPARE(domanda.icona, QMessageBox::Question);
            QCOMPARE(domanda.predefinito, QMessageBox::Yes);
            QVERIFY(!offerta.mostrato || (offerta.testo.contains("stampante") && offerta.testo.contains("PDF")));
        };
        stampa(QMessageBox::No, QMessageBox::No);
        stampa(QMessageBox::Yes, QMessageBox::No);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(lista()->count(), 131);
        const auto pagine = [&] {
            QProcess info;
            info.start(QStringLiteral("pdfinfo"), {pdf});
            info.waitForFinished();
            return QString::fromUtf8(info.readAllStandardOutput()).section("Pages:", 1).section('\n', 0, 0).toInt();
        };
        stampa(QMessageBox::Yes, QMessageBox::Yes);
        QCOMPARE(pagine(), 3);

        // A file that cannot be written whole is reported, and the one that
        // was there stays whole, with no partial file beside it.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit prima = limite;
        limite.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limite);
        Messaggio sostituire;
        Messaggio errore;
        stampa(QMessageBox::Yes, QMessageBox::Yes, [&] {
            Rispondi(QMessageBox::Yes, sostituire);
            Rispondi(QMessageBox::Ok, errore);
        });
        setrlimit(RLIMIT_FSIZE, &prima);
        QVERIFY2(errore.testo.contains(QStringLiteral("il file supera")), qPrintable(errore.testo));
        QCOMPARE(pagine(), 3);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("piano.pdf")});
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
