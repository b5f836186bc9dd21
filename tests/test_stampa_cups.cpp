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
#include <QToolButton>

namespace {

struct Esito {
    int codice = -1;
    QString uscita;
    QString errori;
};

Esito Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    processo.waitForFinished(60000);
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
}

QString Ambiente(const char* nome)
{
    return qEnvironmentVariable(nome);
}

QStringList Stampati()
{
    return QDir(Ambiente("PIANOAMM_USCITA")).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Only on the service the script started: the machine's default stays as it is.
bool RendiPredefinita(const QString& coda)
{
    return Esegui(QStringLiteral("lpadmin"), {QStringLiteral("-d"), coda}).codice == 0;
}

int LavoriInAttesa(const QString& coda)
{
    return static_cast<int>(
        Esegui(QStringLiteral("lpstat"), {QStringLiteral("-o"), coda}).uscita.split('\n', Qt::SkipEmptyParts).size());
}

// The file of the one job the accepting queue received after prima, once
// its backend has written it; empty when none came within a minute.
QString NuovoStampato(const QStringList& prima)
{
    QElapsedTimer attesa;
    attesa.start();
    do {
        QStringList nuovi = Stampati();
        for (const auto& nome : prima)
            nuovi.removeOne(nome);
        if (!nuovi.isEmpty())
            return nuovi.size() == 1 ? QDir(Ambiente("PIANOAMM_USCITA")).filePath(nuovi.front()) : QString();
        QTest::qWait(100);
    } while (attesa.elapsed() < 60000);
    return {};
}

// The lines with text on one page, their runs of blanks made single.
QStringList Righe(const QString& pdf, int pagina)
{
    const QString numero = QString::number(pagina);
    const QString testo = Esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), numero,
                                                               QStringLiteral("-l"), numero, pdf, QStringLiteral("-")})
                              .uscita;
    QStringList piene;
    for (const auto& riga : testo.split('\n')) {
        if (!riga.trimmed().isEmpty())
            piene << riga.simplified();
    }
    return piene;
}

// What the words on one page cover, in points from the top-left corner.
QRectF Riquadro(const QString& pdf, int pagina)
{
    const QString numero = QString::number(pagina);
    const QString parole = Esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), numero,
                                                                QStringLiteral("-l"), numero, pdf, QStringLiteral("-")})
                               .uscita;
    static const QRegularExpression parola(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re"));
    QRectF riquadro;
    for (auto trovata = parola.globalMatch(parole); trovata.hasNext();) {
        const auto p = trovata.next();
        riquadro |= QRectF(QPointF(p.captured(1).toDouble(), p.captured(2).toDouble()),
                           QPointF(p.captured(3).toDouble(), p.captured(4).toDouble()));
    }
    return riquadro;
}

// The 999 monthly installments from 31/01/2008, as the queue received them:
// 17 Letter pages (the queue's default paper), the text within the half
// inch the queue cannot print on, the job's title, the column heading and its
// rule at the top of every page after the first, and the last installment on
// the last page.
void VerificaStampato(const QString& pdf)
{
    QVERIFY2(!pdf.isEmpty(), "la coda di stampa non ha ricevuto un lavoro, o ne ha ricevuto più di uno");
    const QString info = Esegui(QStringLiteral("pdfinfo"), {pdf}).uscita;
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+17\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts"))), qPrintable(info));
    // A full page: its lines start five 6-point characters (10-point
    // monospace) in from the left margin.
    const QRectF testo = Riquadro(pdf, 2);
    QVERIFY2(QRectF(36, 36, 612 - 72, 792 - 72).contains(testo), qPrintable(QDebug::toString(testo)));
    QVERIFY2(qAbs(testo.left() - (36 + 5 * 6)) < 1, qPrintable(QDebug::toString(testo)));
    QFile titolo(pdf.chopped(4) + QStringLiteral(".titolo"));
    QVERIFY(titolo.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(titolo.readAll()).trimmed(), QStringLiteral("Piano d'ammortamento"));

    const QString intestazione = QStringLiteral("N. SCADENZA Q.INTERESSI Q.CAPITALE TOTALE RATA DEB.RESIDUO");
    const QStringList prima = Righe(pdf, 1);
    QCOMPARE(prima.size(), 6 + 1 + 1 + 54);  // title and summary, heading, rule, 54 rows
    QCOMPARE(prima.at(6), intestazione);
    QVERIFY(prima.at(8).startsWith(QStringLiteral("1 29/02/2008 ")));
    for (int pagina = 2; pagina <= 17; ++pagina) {
        const QStringList seguenti = Righe(pdf, pagina);
        QCOMPARE(seguenti.size(), 2 + (pagina < 17 ? 62 : 15));
        QCOMPARE(seguenti.at(0), intestazione);
        QCOMPARE(seguenti.at(1), prima.at(7));
    }
    QVERIFY(Righe(pdf, 17).constLast().startsWith(QStringLiteral("999 30/04/2091 ")));
}

// The print's temporary file goes once the job has been handed over, or refused.
void VerificaNessunTemporaneo()
{
    const QStringList rimasti =
        QDir(Ambiente("TMPDIR")).entryList({QStringLiteral("pianoamm*")}, QDir::Files | QDir::Hidden);
    QVERIFY2(rimasti.isEmpty(), qPrintable(rimasti.join(' ')));
}

}  // namespace

class TestStampaCups : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (Ambiente("PIANOAMM_CODA").isEmpty() || Ambiente("CUPS_SERVER").isEmpty())
            QSKIP("nessun servizio di stampa di prova: eseguire tramite tests/stampa_cups.sh");
    }
    void cleanup()
    {
        AnnullaAttese();
        frm.reset();
        RendiPredefinita(Ambiente("PIANOAMM_CODA"));
    }

    void finestra_data()
    {
        QTest::addColumn<QString>("predefinita");
        QTest::addColumn<QString>("avviso");  // what the warning says; empty when none may show
        QTest::newRow("la coda accetta") << Ambiente("PIANOAMM_CODA") << QString();
        QTest::newRow("la coda rifiuta: avviso e offerta del PDF")
            << Ambiente("PIANOAMM_RIFIUTA")
            << QStringLiteral("La stampante «%1» non ha accettato la stampa.").arg(Ambiente("PIANOAMM_RIFIUTA"));
    }

    void finestra()
    {
        QFETCH(QString, predefinita);
        QFETCH(QString, avviso);
        QVERIFY(RendiPredefinita(predefinita));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), predefinita);
        const QStringList prima = Stampati();

        QVERIFY(Carica());
        Inserisci("250000", "999", "4,75", "31/01/2008");
        AiRisultati(0);
        QCOMPARE(lista()->count(), 1010);
        Messaggio domanda;
        Messaggio offerta;
        Rispondi(QMessageBox::Yes, domanda);
        Rispondi(QMessageBox::No, offerta);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QVERIFY(domanda.mostrato);
        QVERIFY2(offerta.mostrato == !avviso.isEmpty(), qPrintable(offerta.testo));
        VerificaNessunTemporaneo();
        if (!avviso.isEmpty()) {
            QVERIFY2(offerta.testo.startsWith(avviso), qPrintable(offerta.testo));
            QVERIFY2(offerta.testo.contains(QStringLiteral("PDF")), qPrintable(offerta.testo));
            QCOMPARE(Stampati(), prima);
            return;
        }
        VerificaStampato(NuovoStampato(prima));
    }

    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("stampa");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("errore");  // what standard error says; empty when it must stay empty
        QTest::addColumn<bool>("stampato");
        QTest::addColumn<int>("inAttesa");  // jobs added to the stopped queue
        const QString rifiuta = Ambiente("PIANOAMM_RIFIUTA");
        const QString ferma = Ambiente("PIANOAMM_FERMA");
        const QString inesistente = QStringLiteral("PianoAmmInesistente");
        const QString rifiutata = QStringLiteral("La stampante «%1» non ha accettato la stampa.");
        QTest::newRow("coda che rifiuta")
            << QStringList{QStringLiteral("--stampante"), rifiuta} << 1 << rifiutata.arg(rifiuta) << false << 0;
        QTest::newRow("coda inesistente")
            << QStringList{QStringLiteral("--stampante"), inesistente} << 1 << rifiutata.arg(inesistente) << false << 0;
        QTest::newRow("coda ferma: il lavoro attende")
            << QStringList{QStringLiteral("--stampante"), ferma} << 0 << QString() << false << 1;
        QTest::newRow("coda predefinita") << QStringList{QStringLiteral("--stampa")} << 0 << QString() << true << 0;
    }

    void rigaDiComando()
    {
        QFETCH(QStringList, stampa);
        QFETCH(int, codice);
        QFETCH(QString, errore);
        QFETCH(bool, stampato);
        QFETCH(int, inAttesa);
        const QStringList prima = Stampati();
        const int attesiPrima = LavoriInAttesa(Ambiente("PIANOAMM_FERMA"));

        const QString dati = QStringLiteral("--importo 250000 --numero-rate 999 --tasso 4,75 --cadenza mensile "
                                            "--data 31/01/2008");
        const Esito esito = Esegui(Ambiente("PIANOAMM_CLI"), dati.split(' ') + stampa);
        QVERIFY2(esito.codice == codice, qPrintable(esito.errori));
        QCOMPARE(esito.uscita, QString());
        if (errore.isEmpty())
            QCOMPARE(esito.errori, QString());
        else
            QVERIFY2(esito.errori.contains(errore), qPrintable(esito.errori));
        QCOMPARE(LavoriInAttesa(Ambiente("PIANOAMM_FERMA")) - attesiPrima, inAttesa);
        VerificaNessunTemporaneo();
        if (stampato)
            VerificaStampato(NuovoStampato(prima));
        else
            QCOMPARE(Stampati(), prima);
    }
};

QTEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
