// Printing without a printer: the pagination, the confirmation, and what
// happens when no printer is there.

#include "guida_finestra.h"
#include "print/impaginazione.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/resource.h>

#include <csignal>

namespace {

// A listing of n lines laid out like the schedule: line 9 the heading,
// line 10 its rule, the others numbered.
QStringList ListatoDi(int n)
{
    QStringList righe;
    for (int i = 0; i < n; ++i) {
        if (i == 9)
            righe << QStringLiteral("N.  TITOLI");
        else if (i == 10)
            righe << QStringLiteral("--  ------");
        else
            righe << QStringLiteral("  riga %1").arg(i);
    }
    righe[0] = QStringLiteral(" ");
    return righe;
}

int Pagine(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    for (const auto& riga : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        if (riga.startsWith(QStringLiteral("Pages:")))
            return riga.mid(6).trimmed().toInt();
    }
    return -1;
}

}  // namespace

class TestStampa : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No print server answers here: there is no default printer.
        QVERIFY(qEnvironmentVariable("CUPS_SERVER").startsWith(QStringLiteral("/nessun")));
    }
    void cleanup()
    {
        AnnullaAttese();
        frm.reset();
    }

    void impaginazione_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<QList<int>>("righePerPagina");
        QTest::addColumn<QList<int>>("primaRigaDellaPagina");  // list line that follows the head, -1 if none
        QTest::newRow("1 riga") << 1 << QList<int>{1} << QList<int>{};
        QTest::newRow("64 righe") << 64 << QList<int>{64} << QList<int>{};
        QTest::newRow("65 righe: nessuna pagina di sole intestazioni") << 65 << QList<int>{65} << QList<int>{};
        QTest::newRow("66 righe") << 66 << QList<int>{65, 4} << QList<int>{65};
        QTest::newRow("127 righe") << 127 << QList<int>{65, 65} << QList<int>{65};
        QTest::newRow("128 righe") << 128 << QList<int>{65, 65, 4} << QList<int>{65, 127};
        QTest::newRow("999 rate mensili")
            << 1010 << QList<int>{65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 65, 18}
            << QList<int>{65, 127, 189, 251, 313, 375, 437, 499, 561, 623, 685, 747, 809, 871, 933, 995};
    }

    void impaginazione()
    {
        QFETCH(int, righe);
        QFETCH(QList<int>, righePerPagina);
        QFETCH(QList<int>, primaRigaDellaPagina);
        const QStringList listato = ListatoDi(righe);
        const auto pagine = Impagina(listato);
        QCOMPARE(pagine.size(), righePerPagina.size());
        for (qsizetype p = 0; p < pagine.size(); ++p)
            QCOMPARE(pagine.at(p).size(), righePerPagina.at(p));

        // Every list line once, in order, behind exactly five spaces.
        QStringList stampate = pagine.value(0);
        for (qsizetype p = 1; p < pagine.size(); ++p) {
            const auto& pagina = pagine.at(p);
            QCOMPARE(pagina.at(0), QStringLiteral(" "));
            QCOMPARE(pagina.at(1), QStringLiteral("     N.  TITOLI"));
            QCOMPARE(pagina.at(2), QStringLiteral("     --  ------"));
            QCOMPARE(pagina.at(3), QStringLiteral("     ") + listato.at(primaRigaDellaPagina.at(p - 1)));
            stampate += pagina.mid(3);
        }
        QCOMPARE(stampate.size(), listato.size());
        for (qsizetype i = 0; i < listato.size(); ++i)
            QCOMPARE(stampate.at(i), QStringLiteral("     ") + listato.at(i));
        QCOMPARE(pagine.at(0).at(0), QStringLiteral("      "));
    }

    void nienteDaStampareNienteDomande()
    {
        QVERIFY(Carica());
        Messaggio domanda;
        Rispondi(QMessageBox::Yes, domanda);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QTest::qWait(50);
        QVERIFY(!domanda.mostrato);
    }

    void rispondereNoNonStampa()
    {
        QVERIFY(Carica());
        Inserisci("100000", "10", "5", "06/04/2006");
        AiRisultati(5);
        Messaggio domanda;
        Rispondi(QMessageBox::No, domanda);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QVERIFY(domanda.mostrato);
        QCOMPARE(domanda.testo, QStringLiteral("Avviare la stampa?."));
        QCOMPARE(domanda.icona, QMessageBox::Question);
        QCOMPARE(domanda.predefinito, QMessageBox::Yes);
        // No printer is looked for: the no-printer message never comes.
        Messaggio seguito;
        Rispondi(QMessageBox::No, seguito);
        QTest::qWait(50);
        QVERIFY(!seguito.mostrato);
    }

    void senzaStampanteLoDiceEOffreIlPdf()
    {
        QVERIFY(Carica());
        Inserisci("100000", "120", "5", "31/01/2008");
        AiRisultati(0);
        const QStringList listato = Listato();

        // Declined: the program goes on, the schedule still there.
        Messaggio domanda;
        Messaggio avviso;
        Rispondi(QMessageBox::Yes, domanda);
        Rispondi(QMessageBox::No, avviso);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QVERIFY(domanda.mostrato);
        QVERIFY(avviso.mostrato);
        QVERIFY(avviso.testo.contains(QStringLiteral("stampante")));
        QVERIFY(avviso.testo.contains(QStringLiteral("PDF")));
        QVERIFY(frm->isVisible());
        QCOMPARE(Listato(), listato);

        // Accepted: the same pages go to the file chosen.
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("piano.pdf"));
        Rispondi(QMessageBox::Yes, domanda);
        Rispondi(QMessageBox::Yes, avviso);
        bool scelto = false;
        AlProssimoModale<QFileDialog>([&](QFileDialog* dialogo) {
            dialogo->selectFile(pdf);
            QMetaObject::invokeMethod(dialogo, "accept");
            scelto = true;
        });
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QVERIFY(scelto);
        QCOMPARE(Pagine(pdf), 3);
        QVERIFY(frm->isVisible());

        // A file that cannot be written whole is reported, and the one that
        // was there stays whole, with no partial file beside it.
        Messaggio sostituire;
        Messaggio errore;
        Rispondi(QMessageBox::Yes, domanda);
        Rispondi(QMessageBox::Yes, avviso);
        AlProssimoModale<QFileDialog>([&](QFileDialog* dialogo) {
            dialogo->selectFile(pdf);
            QMetaObject::invokeMethod(dialogo, "accept");
        });
        Rispondi(QMessageBox::Yes, sostituire);
        Rispondi(QMessageBox::Ok, errore);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit prima = limite;
        limite.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limite);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        setrlimit(RLIMIT_FSIZE, &prima);
        QVERIFY2(errore.testo.contains(QStringLiteral("il file supera")), qPrintable(errore.testo));
        QCOMPARE(Pagine(pdf), 3);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("piano.pdf")});
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
