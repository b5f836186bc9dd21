// A real print through the system's print service: the 999-installment
// schedule printed from the window to a PDF printer queue, and the file that
// queue writes read back. tests/stampa_cups.sh sets the queue up.

#include "guida_finestra.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QToolButton>

namespace {

QString Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    processo.waitForFinished();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

}  // namespace

class TestStampaCups : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void stampaDi999RateSullaStampantePredefinita()
    {
        const QString coda = qEnvironmentVariable("PIANOAMM_CODA");
        const QDir uscita(qEnvironmentVariable("PIANOAMM_USCITA"));
        if (coda.isEmpty())
            QSKIP("nessuna coda di stampa preparata: eseguire tramite tests/stampa_cups.sh");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), coda);
        const QStringList primaDellaStampa = uscita.entryList({QStringLiteral("*.pdf")}, QDir::Files);

        QVERIFY(Carica());
        Inserisci("250000", "999", "4,75", "31/01/2008");
        AiRisultati(0);
        QCOMPARE(lista()->count(), 1010);
        Messaggio domanda;
        Messaggio avviso;
        Rispondi(QMessageBox::Yes, domanda);
        Rispondi(QMessageBox::No, avviso);
        c<QToolButton>(QStringLiteral("cmdPrint"))->click();
        QVERIFY(domanda.mostrato);
        QVERIFY2(!avviso.mostrato, qPrintable(avviso.testo));

        // The queue writes its file when the job has gone through.
        QString stampato;
        QElapsedTimer attesa;
        attesa.start();
        while (stampato.isEmpty() && attesa.elapsed() < 60000) {
            for (const auto& nome : uscita.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
                if (!primaDellaStampa.contains(nome))
                    stampato = uscita.filePath(nome);
            }
            QTest::qWait(200);
        }
        QVERIFY2(!stampato.isEmpty(), "la coda di stampa non ha scritto nessun file");
        QTRY_VERIFY_WITH_TIMEOUT(Esegui(QStringLiteral("pdfinfo"), {stampato}).contains(QStringLiteral("Pages:")),
                                 20000);

        const QString info = Esegui(QStringLiteral("pdfinfo"), {stampato});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+17\\n"))), qPrintable(info));

        // The print service's own conversion of the fonts may lose the
        // character codes, so the heading is compared as the same file has
        // it on page 1: its seventh line with text, after the title, its
        // rule and the four summary lines.
        const auto righe = [&](int pagina) {
            const QString testo =
                Esegui(QStringLiteral("pdftotext"),
                       {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
                        QString::number(pagina), stampato, QStringLiteral("-")});
            QStringList piene;
            for (const auto& riga : testo.split('\n')) {
                if (!riga.trimmed().isEmpty())
                    piene << riga.simplified();
            }
            return piene;
        };
        const QStringList prima = righe(1);
        QCOMPARE(prima.size(), 6 + 1 + 1 + 54);  // title and summary, heading, rule, 54 rows
        const QString& intestazione = prima.at(6);
        for (int pagina = 2; pagina <= 17; ++pagina) {
            const QStringList seguenti = righe(pagina);
            QVERIFY(seguenti.size() >= 3);
            QCOMPARE(seguenti.at(0), intestazione);
            QCOMPARE(seguenti.at(1), prima.at(7));
        }
        QCOMPARE(righe(2).size(), 2 + 62);
        QCOMPARE(righe(17).size(), 2 + 15);
        QFile::remove(stampato);
    }
};

QTEST_MAIN(TestStampaCups)
#include "test_stampa_cups.moc"
