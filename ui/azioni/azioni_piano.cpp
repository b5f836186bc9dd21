#include "ui/azioni/azioni_piano.h"

#include "engine/anni.h"
#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/impaginazione.h"
#include "print/stampa.h"
#include "print/stampa_cups.h"
#include "print/testo_qt.h"
#include "ui/comune/cartelle.h"
#include "ui/comune/posizione.h"
#include "ui/controlli/grafico_piano.h"
#include "ui/controlli/grafico_tasso.h"
#include "ui/controlli/immagine_grafico.h"
#include "ui/finestre/dlg_guida.h"
#include "ui/finestre/dlg_interessi_anno.h"

#include <QBuffer>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace pianoamm {

namespace {

QString Titolo()
{
    return QGuiApplication::applicationDisplayName();
}

// The file's name as the system takes it; empty when the user cancelled.
std::string ChiediFile(QWidget* finestra, const QString& titolo, const QString& nome, const QString& filtro,
                       TipoFile tipo)
{
    const QString percorso =
        Ricorda(tipo, QFileDialog::getSaveFileName(finestra, titolo, QDir(CartellaPer(tipo)).filePath(nome), filtro));
    return QFile::encodeName(percorso).toStdString();
}

void SalvaPdfCome(QWidget* finestra, const QString& titolo, const QList<QStringList>& pagine,
                  const QString& nome = QStringLiteral("piano.pdf"), const QList<QImage>& immagini = {})
{
    const std::string percorso =
        ChiediFile(finestra, titolo, nome, QStringLiteral("Documenti PDF (*.pdf)"), TipoFile::Pdf);
    if (!percorso.empty())
        EseguiOAvvisa(finestra, [&] { ScriviPdf(percorso, pagine, immagini); });
}

// What the print dialog's Anteprima… asks of it, beside accepting and
// rejecting.
constexpr int RispostaAnteprima = 2;

// The job the print dialog, or the preview's own, was left to send, sent;
// its failure told.
void Invia(QWidget* finestra, const QPrinter& stampante, const QList<QStringList>& pagine,
           const QList<QImage>& immagini)
{
    EseguiOAvvisa(finestra, [&] { StampaSuStampante(stampante, pagine, immagini); });
}

// The pages as they would print on stampante. The preview's own print
// button goes through the same job as the print dialog's, whose failures
// are told, rather than through Qt's, which tells none.
void Anteprima(QPrinter& stampante, QWidget* sopra, const QList<QStringList>& pagine, const QList<QImage>& immagini)
{
    QPrintPreviewDialog anteprima(&stampante, sopra);
    anteprima.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    // A page that reads, rather than the dialog's own small size.
    anteprima.resize(QSize(800, 1000).boundedTo(sopra->screen()->availableGeometry().size() * 9 / 10));
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima, [&](QPrinter* carta) {
        if (carta->paintEngine()->type() == QPaintEngine::Pdf)
            Invia(sopra, *carta, pagine, immagini);
        else if (!DisegnaPagine(*carta, pagine, immagini))
            QMessageBox::warning(sopra, Titolo(), QStringLiteral("Impossibile disegnare l'anteprima."));
    });
    anteprima.exec();
}

}  // namespace

void StampaDopoDomanda(QWidget* finestra, const QList<QStringList>& pagine)
{
    const auto risposta = QMessageBox::question(finestra, Titolo(), QStringLiteral("Avviare la stampa?."),
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta != QMessageBox::Yes)
        return;
    try {
        StampaSuCoda(QString(), pagine);
    } catch (const pianoamm::ErrorePiano& errore) {
        const auto offerta = QMessageBox::warning(finestra, Titolo(),
                                                  QString::fromUtf8(errore.what())
                                                      + QStringLiteral("\n\nSalvare la stampa come file PDF?"),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (offerta == QMessageBox::Yes)
            SalvaPdfCome(finestra, QStringLiteral("Salva la stampa come PDF"), pagine);
    }
}

void StampaPagine(QWidget* finestra, const QList<QStringList>& pagine, const QList<QImage>& immagini,
                  const QString& nome)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QFileInfo(nome).completeBaseName());
    // With no printer installed the dialog's PDF file is what there is.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QDir::home().filePath(nome));
    }
    QPrintDialog dialogo(&stampante, finestra);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                       | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    // At most a page a picture: two may share one, as the paper chosen lets.
    dialogo.setMinMax(1, static_cast<int>(pagine.size() + immagini.size()));
    // The preview one click away, beside the dialog's own buttons.
    if (auto* bottoni = dialogo.findChild<QDialogButtonBox*>()) {
        QPushButton* cmdAnteprima = bottoni->addButton(QStringLiteral("&Anteprima…"), QDialogButtonBox::ActionRole);
        cmdAnteprima->setObjectName(QStringLiteral("cmdAnteprima"));
        QObject::connect(cmdAnteprima, &QPushButton::clicked, &dialogo, [&] { dialogo.done(RispostaAnteprima); });
    }
    const int risposta = dialogo.exec();
    if (risposta == QDialog::Accepted)
        Invia(finestra, stampante, pagine, immagini);
    else if (risposta == RispostaAnteprima)
        Anteprima(stampante, finestra, pagine, immagini);
}

void EseguiOAvvisa(QWidget* finestra, const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(finestra, Titolo(), QString::fromUtf8(errore.what()));
    }
}

void SalvaListatoPdf(QWidget* finestra, const pianoamm::Listato& listato)
{
    SalvaPdfCome(finestra, QStringLiteral("Salva come PDF"), PagineDelListato(listato));
}

void SalvaPaginePdf(QWidget* finestra, const QString& nome, const QList<QStringList>& pagine,
                    const QList<QImage>& immagini)
{
    SalvaPdfCome(finestra, QStringLiteral("Salva come PDF"), pagine, nome, immagini);
}

void SalvaCsv(QWidget* finestra, const QString& nome, const std::string& csv)
{
    const std::string percorso =
        ChiediFile(finestra, QStringLiteral("Esporta CSV"), nome, QStringLiteral("File CSV (*.csv)"), TipoFile::Csv);
    if (!percorso.empty())
        EseguiOAvvisa(finestra, [&] { pianoamm::ScriviFileSicuro(percorso, csv); });
}

void CopiaRighe(const pianoamm::Listato& listato, QList<int> righe)
{
    QString testo = righe.isEmpty() ? TestoQt(listato.Testo()) : QString();
    std::sort(righe.begin(), righe.end());
    for (const int riga : righe)
        testo += TestoQt(listato[static_cast<std::size_t>(riga)]) + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(testo);
}

void SalvaImmagine(QWidget* finestra, const QPixmap& immagine)
{
    const std::string percorso = ChiediFile(finestra, QStringLiteral("Salva immagine"), QStringLiteral("grafico.png"),
                                            QStringLiteral("Immagini PNG (*.png)"), TipoFile::Immagine);
    if (percorso.empty())
        return;
    QByteArray png;
    QBuffer memoria(&png);
    memoria.open(QIODevice::WriteOnly);
    immagine.save(&memoria, "PNG");
    EseguiOAvvisa(finestra, [&] {
        pianoamm::ScriviFileSicuro(percorso, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    });
}

void MostraGrafico(QWidget* finestra, const pianoamm::Piano& piano)
{
    QDialog dialogo(finestra);
    dialogo.setObjectName(QStringLiteral("DlgGrafico"));
    ConGuida(&dialogo, QStringLiteral("grafico"));
    dialogo.setWindowTitle(QStringLiteral("Grafico del piano"));
    auto* grafico = new GraficoPiano(&dialogo);
    grafico->Mostra(&piano, nullptr);
    // A variable rate's under them, as wide as both.
    GraficoTasso* tasso = nullptr;
    if (piano.mutuo.condizioni.tassoVariabile) {
        tasso = new GraficoTasso(&dialogo);
        tasso->Mostra(piano);
    }
    // On paper each chart, one under the other on a page, as wide as the
    // page; the picture as on screen, the rate's under the two.
    const auto immagini = [&] {
        QList<QImage> pagine = grafico->Immagini(DimensioneStampa);
        if (tasso != nullptr)
            pagine.append(ImmagineVista(*tasso, DimensioneStampa));
        return pagine;
    };
    const auto immagine = [&] {
        QImage sopra = grafico->Immagine(DimensioneStampa);
        if (tasso == nullptr)
            return sopra;
        QImage tutta = Bianca({sopra.width(), sopra.height() * 2});
        QPainter pittore(&tutta);
        pittore.drawImage(0, 0, sopra);
        pittore.drawImage(0, sopra.height(), ImmagineVista(*tasso, sopra.size(), 960));
        return tutta;
    };
    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Close, &dialogo);
    bottoni->button(QDialogButtonBox::Close)->setText(QStringLiteral("Chiudi"));
    const auto bottone = [&](const QString& testo, const char* nome, const std::function<void()>& azione) {
        QPushButton* premuto = bottoni->addButton(testo, QDialogButtonBox::ActionRole);
        premuto->setObjectName(QString::fromLatin1(nome));
        QObject::connect(premuto, &QPushButton::clicked, &dialogo, azione);
    };
    bottone(QStringLiteral("S&tampa…"), "cmdStampa",
            [&] { StampaPagine(&dialogo, {}, immagini(), QStringLiteral("grafico.pdf")); });
    bottone(QStringLiteral("Salva come P&DF…"), "cmdPdf", [&] {
        SalvaPdfCome(&dialogo, QStringLiteral("Salva come PDF"), {}, QStringLiteral("grafico.pdf"), immagini());
    });
    bottone(QStringLiteral("Salva &immagine…"), "cmdImmagine",
            [&] { SalvaImmagine(&dialogo, QPixmap::fromImage(immagine())); });
    QObject::connect(bottoni, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* impaginazione = new QVBoxLayout(&dialogo);
    impaginazione->addWidget(grafico, 1);
    if (tasso != nullptr)
        impaginazione->addWidget(tasso, 1);
    impaginazione->addWidget(bottoni);
    // Wide enough for both charts' titles, which name the loan.
    dialogo.resize(960, piano.mutuo.condizioni.tassoVariabile ? 720 : 440);
    PosizionaAccanto(&dialogo, finestra);
    dialogo.exec();
}

void MostraInteressiPerAnno(QWidget* finestra, const pianoamm::Piano& piano)
{
    DlgInteressiAnno dialogo(pianoamm::InteressiPerAnno(piano), finestra);
    dialogo.exec();
}

}  // namespace pianoamm
