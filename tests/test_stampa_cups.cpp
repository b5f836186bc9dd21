// A real print through a print service: the 999-installment schedule sent
// from the window and from the command line to the queues that
// tests/stampa_cups.sh prepares on a service of its own, and the files its
// accepting queue receives read back.

#include "guida_finestra.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString Ambiente(const char* nome)
{
    return qEnvironmentVariable(nome);
}

// The exit code (-1 for a crash), then what the program wrote on its
// standard output and its standard error.
std::tuple<int, QString, QString> Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    processo.waitForFinished(60000);
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
}

// The files the accepting queue received, and the print's temporary files
// left behind.
QStringList Stampati()
{
    return QDir(Ambiente("PIANOAMM_USCITA")).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}
QStringList Temporanei()
{
    return QDir(Ambiente("TMPDIR")).entryList({QStringLiteral("pianoamm*")}, QDir::Files | QDir::Hidden);
}

// The file of the one job the accepting queue received after prima, once
// its backend has written it; empty when none came within a minute.
QString NuovoStampato(const QStringList& prima)
{
    QElapsedTimer attesa;
    attesa.start();
    QStringList nuovi;
    while (nuovi.isEmpty() && attesa.elapsed() < 60000) {
        QTest::qWait(100);
        nuovi = Stampati();
        for (const auto& nome : prima)
            nuovi.removeOne(nome);
    }
    return nuovi.size() == 1 ? QDir(Ambiente("PIANOAMM_USCITA")).filePath(nuovi.front()) : QString();
}

// pdftotext's output for one page: with -layout its lines with text, runs
// of blanks made single; with -bbox its words' places.
QStringList Testo(const QString& pdf, int pagina, const QString& modo)
{
    const QString p = QString::number(pagina);
    const QStringList argomenti{modo, QStringLiteral("-f"), p, QStringLiteral("-l"), p, pdf, QStringLiteral("-")};
    QStringList righe;
    for (const auto& riga : std::get<1>(Esegui(QStringLiteral("pdftotext"), argomenti)).split('\n')) {
        if (!riga.trimmed().isEmpty())
            righe << riga.simplified();
    }
    return righe;
}

// The 999 monthly installments from 31/01/2008, as the queue received them:
// 17 Letter pages (the queue's default paper), the text within the half
// inch the queue cannot print on, the job's title, the column heading and its
// rule at the top of every page after the first, and the last installment on
// the last page.
void VerificaStampato(const QString& pdf)
{
    QVERIFY2(!pdf.isEmpty(), "la coda di stampa non ha ricevuto un lavoro, o ne ha ricevuto più di uno");
    const QString info = std::get<1>(Esegui(QStringLiteral("pdfinfo"), {pdf}));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+17\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts"))), qPrintable(info));
    // What the words of a full page cover, in points from the top left: the
    // lines start five 6-point characters (10-point monospace) in from the
    // left margin.
    static const QRegularExpression Parola(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re"));
    QRectF testo;
    for (auto p = Parola.globalMatch(Testo(pdf, 2, QStringLiteral("-bbox")).join(' ')); p.hasNext();) {
        const auto m = p.next();
        testo |= QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    QVERIFY2(QRectF(36, 36, 612 - 72, 792 - 72).contains(testo), qPrintable(QDebug::toString(testo)));
    QVERIFY2(qAbs(testo.left() - (36 + 5 * 6)) < 1, qPrintable(QDebug::toString(testo)));
    QFile titolo(pdf.chopped(4) + QStringLiteral(".titolo"));
    QVERIFY(titolo.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(titolo.readAll()).trimmed(), QStringLiteral("Piano d'ammortamento"));

    const QStringList prima = Testo(pdf, 1, QStringLiteral("-layout"));
    QCOMPARE(prima.size(), 6 + 1 + 1 + 54);  // title and summary, heading, rule, 54 rows
    QCOMPARE(prima.at(6), QStringLiteral("N. SCADENZA Q.INTERESSI Q.CAPITALE TOTALE RATA DEB.RESIDUO"));
    QVERIFY(prima.at(8).startsWith(QStringLiteral("1 29/02/2008 ")));
    for (int pagina = 2; pagina <= 17; ++pagina) {
        const QStringList seguenti = Testo(pdf, pagina, QStringLiteral("-layout"));
        QCOMPARE(seguenti.size(), 2 + (pagina < 17 ? 62 : 15));
        QCOMPARE(seguenti.mid(0, 2), prima.mid(6, 2));
        if (pagina == 17)
            QVERIFY(seguenti.constLast().startsWith(QStringLiteral("999 30/04/2091 ")));
    }
}

const QString Rifiutata = QStringLiteral("La stampante «%1» non ha accettato la stampa.");

}  // namespace

class TestStampaCups : public QObject, private GuidaFinestra {
    Q_OBJECT

    // Only on the service the script started: the machine's default stays as it is.
    static bool RendiPredefinita(const QString& coda)
    {
        return std::get<0>(Esegui(QStringLiteral("lpadmin"), {QStringLiteral("-d"), coda})) == 0;
    }

private slots:
    void initTestCase()
    {
        if (Ambiente("PIANOAMM_CODA").isEmpty() || Ambiente("CUPS_SERVER").isEmpty())
            QSKIP("nessun servizio di stampa di prova: eseguire tramite tests/stampa_cups.sh");
    }
    void cleanup()
    {
        frm.reset();
        RendiPredefinita(Ambiente("PIANOAMM_CODA"));
        QVERIFY2(AtteseCompiute(), "una finestra attesa non è comparsa");
        QCOMPARE(Temporanei(), QStringList());  // gone once the job has been handed over, or refused
    }

    void finestra_data()
    {
        QTest::addColumn<QString>("predefinita");
        QTest::addColumn<QString>("avviso");  // the warning, with the PDF offered; empty when none may show
        QTest::newRow("la coda accetta") << Ambiente("PIANOAMM_CODA") << QString();
        QTest::newRow("la coda rifiuta") << Ambiente("PIANOAMM_RIFIUTA") << Rifiutata.arg(Ambiente("PIANOAMM_RIFIUTA"));
    }
    void finestra()
    {
        QFETCH(QString, predefinita);
        QFETCH(QString, avviso);
        QVERIFY(RendiPredefinita(predefinita));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), predefinita);
        const QStringList prima = Stampati();
        QVERIFY(Carica());
        AiRisultati({"250000", "999", "4,75", "31/01/2008"}, QStringLiteral("Mensile"));
        Messaggio domanda;
        Messaggio offerta;
        Rispondi(QMessageBox::Yes, domanda);
        if (!avviso.isEmpty())
            Rispondi(QMessageBox::No, offerta);
        c<QAbstractButton>("cmdPrint")->click();
        QVERIFY(domanda.mostrato);
        if (avviso.isEmpty())
            return VerificaStampato(NuovoStampato(prima));
        QVERIFY2(offerta.testo.startsWith(avviso) && offerta.testo.contains("PDF"), qPrintable(offerta.testo));
        QCOMPARE(Stampati(), prima);
    }

    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("stampa");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("errore");  // what standard error says; empty when it must stay empty
        QTest::addColumn<bool>("stampato");
        QTest::addColumn<int>("inAttesa");  // jobs added to the stopped queue
        const QString rifiuta = Ambiente("PIANOAMM_RIFIUTA");
        const QString inesistente = QStringLiteral("PianoAmmInesistente");
        QTest::newRow("coda che rifiuta")
            << QStringList{"--stampante", rifiuta} << 1 << Rifiutata.arg(rifiuta) << false << 0;
        QTest::newRow("coda inesistente")
            << QStringList{"--stampante", inesistente} << 1 << Rifiutata.arg(inesistente) << false << 0;
        QTest::newRow("coda ferma: il lavoro attende")
            << QStringList{"--stampante", Ambiente("PIANOAMM_FERMA")} << 0 << QString() << false << 1;
        QTest::newRow("coda predefinita") << QStringList{"--stampa"} << 0 << QString() << true << 0;
    }
    void rigaDiComando()
    {
        QFETCH(QStringList, stampa);
        QFETCH(int, codice);
        QFETCH(QString, errore);
        QFETCH(bool, stampato);
        QFETCH(int, inAttesa);
        const auto inCoda = [] {
            return std::get<1>(Esegui(QStringLiteral("lpstat"), {"-o", Ambiente("PIANOAMM_FERMA")})).count('\n');
        };
        const QStringList prima = Stampati();
        const qsizetype attesiPrima = inCoda();
        const QString dati = QStringLiteral("--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile "
                                            "--data 31/01/2008");
        const auto [uscita, testo, errori] = Esegui(Ambiente("PIANOAMM_CLI"), dati.split(' ') + stampa);
        QVERIFY2(uscita == codice, qPrintable(errori));
        QCOMPARE(testo, QString());
        QVERIFY2(errore.isEmpty() ? errori.isEmpty() : errori.contains(errore), qPrintable(errori));
        QCOMPARE(inCoda() - attesiPrima, inAttesa);
        if (stampato)
            VerificaStampato(NuovoStampato(prima));
        else
            QCOMPARE(Stampati(), prima);
    }
};

QTEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
