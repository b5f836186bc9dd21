#include "ui/azioni/azioni_piano.h"

#include "engine/anni.h"
#include "engine/errore.h"
#include "file/file_sicuro.h"
#include "print/impaginazione.h"
#include "print/stampa.h"
#include "print/stampa_cups.h"
#include "print/testo_qt.h"
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
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
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
std::string ChiediFile(QWidget* finestra, const QString& titolo, const QString& nome, const QString& filtro)
{
    const QString percorso = QFileDialog::getSaveFileName(finestra, titolo, QDir::home().filePath(nome), filtro);
    return QFile::encodeName(percorso).toStdString();
}

void SalvaPdfCome(QWidget* finestra, const QString& titolo, const QList<QStringList>& pagine,
                  const QString& nome = QStringLiteral("piano.pdf"), const QList<QImage>& immagini = {})
{
    const std::string percorso = ChiediFile(finestra, titolo, nome, QStringLiteral("Documenti PDF (*.pdf)"));
    if (!percorso.empty())
        EseguiOAvvisa(finestra, [&] { ScriviPdf(percorso, pagine, immagini); });
}

// As StampaPagine; the PDF offered instead first named nome.
void Stampa(QWidget* finestra, const QList<QStringList>& pagine, const QList<QImage>& immagini, const QString& nome)
{
    const auto risposta = QMessageBox::question(finestra, Titolo(), QStringLiteral("Avviare la stampa?."),
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta != QMessageBox::Yes)
        return;
    try {
        StampaSuCoda(QString(), pagine, immagini);
    } catch (const pianoamm::ErrorePiano& errore) {
        const auto offerta = QMessageBox::warning(finestra, Titolo(),
                                                  QString::fromUtf8(errore.what())
                                                      + QStringLiteral("\n\nSalvare la stampa come file PDF?"),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (offerta == QMessageBox::Yes)
            SalvaPdfCome(finestra, QStringLiteral("Salva la stampa come PDF"), pagine, nome, immagini);
    }
}

}  // namespace

void EseguiOAvvisa(QWidget* finestra, const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(finestra, Titolo(), QString::fromUtf8(errore.what()));
    }
}

void StampaPagine(QWidget* finestra, const QList<QStringList>& pagine, const QList<QImage>& immagini,
                  const QString& nome)
{
    Stampa(finestra, pagine, immagini, nome);
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
        ChiediFile(finestra, QStringLiteral("Esporta CSV"), nome, QStringLiteral("File CSV (*.csv)"));
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
                                            QStringLiteral("Immagini PNG (*.png)"));
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
            [&] { Stampa(&dialogo, {}, immagini(), QStringLiteral("grafico.pdf")); });
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
