#include "ui/main/frm_main.h"

#include "engine/calcolo.h"
#include "engine/errore.h"
#include "engine/esporta.h"
#include "print/file_sicuro.h"
#include "print/impaginazione.h"
#include "print/stampa.h"
#include "print/stampa_cups.h"
#include "ui/main/campo_numerico.h"
#include "ui/main/dlg_interessi_anno.h"
#include "ui/main/invio_bottoni.h"
#include "ui/splash/frm_splash.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>

const char* const FrmMain::IndirizzoSito = "http://www.example.com";

namespace {

const QStringList FontDialogo{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Arial")};

QFont Carattere(const QStringList& famiglie, qreal punti)
{
    QFont font;
    font.setFamilies(famiglie);
    font.setPointSizeF(punti);
    return font;
}

// Courier New where present, its metric twin Liberation Mono where not, and
// else whatever fixed-pitch font the system offers: the listing's columns
// line up only in a fixed pitch.
QFont FontListato()
{
    QFont font = Carattere({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}, 8.25);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(8.25);
    }
    return font;
}

void ColoreTesto(QWidget* controllo, const QColor& colore)
{
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    controllo->setPalette(tavolozza);
}

QString TitoloApplicazione()
{
    return QGuiApplication::applicationDisplayName();
}

// The amount and the rate take "," as their decimal mark: a typed "." is
// turned into one before the field sees it.
void DecimaleConVirgola(QChar& carattere)
{
    if (carattere == QLatin1Char('.'))
        carattere = QLatin1Char(',');
}

const char* const TestoA =
    "In questa sezione vanno inseriti i dati per il calcolo del piano di ammortamento; "
    "L'importo del prestito, il numero di rate, il tasso % su base annua e la data di decorrenza.";
const char* const TestoB =
    "In questa sezione va scelta la cadenza delle rate. Esempio: se nella sezione precedente è "
    "stato scelto 20 come numero rate e quindi viene selezionato annuale; il calcolo sarà eseguito "
    "per una durata di anni 20.";

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Calcolo del piano di ammortamento a rata fissa (metodo francese)"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/oro.ico")));
    setFont(Carattere(FontDialogo, 8.25));
    const Twips tw(logicalDpiX());
    setFixedSize(tw(9675), tw(6255));
}

void FrmMain::CreaControlli()
{
    const Twips tw(logicalDpiX());
    const auto bottone = [&](const char* nome, const QString& testo, QRect posizione) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setGeometry(posizione);
        return b;
    };
    cmdIndietro = bottone("cmdIndietro", QStringLiteral("< Indietro"), tw(5865, 5805, 1185, 345));
    cmdIndietro->setEnabled(false);
    cmdAvanti = bottone("cmdAvanti", QStringLiteral("Avanti >"), tw(7080, 5805, 1185, 345));
    cmdClose = bottone("cmdClose", QStringLiteral("Chiudi"), tw(8340, 5805, 1245, 345));
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmMain::cmdAvanti_Click);
    connect(cmdIndietro, &QPushButton::clicked, this, &FrmMain::cmdIndietro_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FrmMain::cmdClose_Click);

    // The pages sit where the tabbed container's would, its tab row above the
    // client area: the page body starts at the top edge and no tab shows.
    tb = new QStackedWidget(this);
    tb->setObjectName(QStringLiteral("tb"));
    tb->setGeometry(tw(30, -330, 9600, 5955));
    tb->setFocusPolicy(Qt::TabFocus);
    std::array<QWidget*, 3> pagine{};
    for (auto& pagina : pagine) {
        pagina = new QWidget(tb);
        tb->addWidget(pagina);
    }

    // Page 2: the results.
    const auto bottoneImmagine = [&](const char* nome, const char* icona, const QString& suggerimento,
                                     QRect posizione) {
        auto* b = new QToolButton(pagine[2]);
        b->setObjectName(QString::fromLatin1(nome));
        b->setIcon(QIcon(QString::fromLatin1(icona)));
        b->setIconSize(QSize(tw(480), tw(480)));
        b->setToolTip(suggerimento);
        b->setGeometry(posizione);
        return b;
    };
    cmdSito =
        bottoneImmagine("cmdSito", ":/assets/globo.ico",
                        QStringLiteral("Visita il sito ") + QString::fromLatin1(IndirizzoSito), tw(120, 435, 735, 645));
    cmdPrint = bottoneImmagine("cmdPrint", ":/assets/stampante.ico", QStringLiteral("Stampa il piano"),
                               tw(8685, 435, 735, 645));
    connect(cmdSito, &QToolButton::clicked, this, &FrmMain::ApriSito);
    connect(cmdPrint, &QToolButton::clicked, this, &FrmMain::StampaPiano);

    List1 = new QListWidget(pagine[2]);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(tw(90, 1170, 9345, 4680));
    List1->setFont(FontListato());
    List1->setUniformItemSizes(true);
    List1->setSortingEnabled(false);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QListWidget::customContextMenuRequested, this, &FrmMain::List1_MenuContestuale);

    // Page 1: the payment frequency.
    Frame2 = new QGroupBox(QStringLiteral("Cadenza Pagamenti"), pagine[1]);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(tw(225, 750, 9225, 5025));
    const char* const cadenze[] = {"Mensile", "Bimestrale", "Trimestrale", "Quadrimestrale", "Semestrale", "Annuale"};
    const QRect posizioniCadenze[] = {tw(120, 360, 975, 255),   tw(120, 720, 1215, 255),  tw(120, 1080, 1335, 255),
                                      tw(120, 1530, 1695, 255), tw(120, 1890, 1335, 255), tw(120, 2250, 1095, 255)};
    auto* gruppo = new QButtonGroup(Frame2);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(cadenze[i]), Frame2);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setGeometry(posizioniCadenze[i]);
        gruppo->addButton(Option1[i], static_cast<int>(i));
    }
    // Tab reaches the group at its selected option only; the arrows move
    // within it.
    for (QRadioButton* opzione : Option1) {
        connect(opzione, &QRadioButton::toggled, opzione,
                [opzione](bool scelta) { opzione->setFocusPolicy(scelta ? Qt::StrongFocus : Qt::ClickFocus); });
        opzione->setFocusPolicy(Qt::ClickFocus);
    }
    Option1[0]->setChecked(true);

    const auto spiegazione = [&](QGroupBox* cornice, int indice, const char* testo) {
        auto* etichetta = new QLabel(QString::fromUtf8(testo), cornice);
        etichetta->setObjectName(QStringLiteral("Label2_%1").arg(indice));
        etichetta->setGeometry(tw(195, 3570, 8835, 1065));
        etichetta->setWordWrap(true);
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etichetta->setFont(Carattere(FontDialogo, 9.75));
        ColoreTesto(etichetta, QColor(0x00, 0x00, 0xFF));
    };
    const auto immagine = [&](QGroupBox* cornice, int indice, const char* icona, int left) {
        auto* figura = new QLabel(cornice);
        figura->setObjectName(QStringLiteral("Image1_%1").arg(indice));
        figura->setGeometry(tw(left, 285, 480, 480));
        figura->setPixmap(QIcon(QString::fromLatin1(icona)).pixmap(QSize(tw(480), tw(480))));
    };
    spiegazione(Frame2, 1, TestoB);
    immagine(Frame2, 1, ":/assets/orologio.ico", 8665);

    // Page 0: the loan data.
    Frame1 =
        new QGroupBox(QStringLiteral("Inserire le informazioni per calcolare il piano di ammortamento"), pagine[0]);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(tw(225, 750, 9225, 5025));

    txtRata = new CampoNumerico({2, true, -99999, 99999}, std::nullopt, Frame1);
    txtRata->setObjectName(QStringLiteral("txtRata"));
    txtRata->setGeometry(tw(8055, 4860, 1095, 285));
    txtRata->hide();

    txtData = new QLineEdit(Frame1);
    txtData->setObjectName(QStringLiteral("txtData"));
    txtData->setGeometry(tw(2430, 2415, 1275, 285));
    connect(txtData, &QLineEdit::textChanged, this, &FrmMain::txtData_Change);

    txtTasso = new CampoNumerico({2, false, 0, pianoamm::TassoMassimo}, 0, Frame1);
    txtTasso->setObjectName(QStringLiteral("txtTasso"));
    txtTasso->setGeometry(tw(2430, 1815, 1005, 285));
    txtNumRate = new CampoNumerico({0, false, 1, pianoamm::NumeroRateMassimo}, 1, Frame1);
    txtNumRate->setObjectName(QStringLiteral("txtNumRate"));
    txtNumRate->setGeometry(tw(2430, 1215, 1005, 285));
    txtImporto = new CampoNumerico({2, true, 0, pianoamm::ImportoMassimo}, 0, Frame1);
    txtImporto->setObjectName(QStringLiteral("txtImporto"));
    txtImporto->setGeometry(tw(2430, 585, 1650, 300));
    for (CampoNumerico* campo : {txtRata, txtTasso, txtNumRate, txtImporto})
        campo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(txtImporto, &CampoNumerico::tastoPremuto, this, &DecimaleConVirgola);
    connect(txtTasso, &CampoNumerico::tastoPremuto, this, &DecimaleConVirgola);

    spiegazione(Frame1, 0, TestoA);
    immagine(Frame1, 0, ":/assets/blocco.ico", 8565);

    // The field labels end where their inputs begin, less a small gap.
    struct Etichetta {
        int indice;
        const char* testo;
        int top;
        QWidget* campo;
    };
    const Etichetta etichette[] = {{0, "Importo Finanziamento", 675, txtImporto},
                                   {1, "Numero Rate", 1275, txtNumRate},
                                   {2, "Tasso Annuo %", 1875, txtTasso},
                                   {4, "Data Erogazione", 2475, txtData}};
    for (const auto& e : etichette) {
        auto* etichetta = new QLabel(QString::fromLatin1(e.testo), Frame1);
        etichetta->setObjectName(QStringLiteral("Label1_%1").arg(e.indice));
        etichetta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int larghezza = etichetta->fontMetrics().horizontalAdvance(etichetta->text()) + 2;
        etichetta->setGeometry(tw(2145) - larghezza, tw(e.top), larghezza, tw(195));
        etichetta->setBuddy(e.campo);
    }

    auto* Label3 =
        new QLabel(QStringLiteral("Risultato piano d'ammortamento in base alle scelte effettuate"), pagine[2]);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(tw(930, 675, 7575, 405));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setWordWrap(true);
    Label3->setFont(Carattere(FontDialogo, 12));
    ColoreTesto(Label3, QColor(0x00, 0x00, 0xC0));

    etc = new QLabel(QString::fromLatin1(IndirizzoSito) + QStringLiteral(" - Software Gestionale"), this);
    etc->setObjectName(QStringLiteral("etc"));
    etc->setGeometry(tw(750, 5850, 5205, 285));
    ColoreTesto(etc, QColor(0xC0, 0x00, 0x00));
    etc->setCursor(Qt::PointingHandCursor);
    etc->installEventFilter(this);
    // cmdIndietro, made first, covers the label's last few pixels.
    etc->lower();

    // Escape anywhere in the window clicks Chiudi, whose question follows.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, cmdClose, &QPushButton::click);
    InvioCliccaIBottoni(this);
}

void FrmMain::ImpostaOrdineTab()
{
    QWidget* const ordine[] = {tb,         cmdClose,   cmdAvanti,  cmdIndietro, txtImporto, txtNumRate,
                               txtTasso,   txtData,    Option1[5], Option1[4],  Option1[3], Option1[2],
                               Option1[1], Option1[0], List1,      cmdPrint,    cmdSito};
    for (std::size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
    tb->setFocus();
}

void FrmMain::Form_Load()
{
    // The controls are made while the splash picture is already up: the
    // picture appears at once, and their making is hidden behind it.
    frmSplash splash;
    splash.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CreaControlli();
    ImpostaOrdineTab();
    splash.exec();
    txtData->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    if (const QScreen* schermo = screen())
        move(schermo->availableGeometry().center() - rect().center());
}

bool FrmMain::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == etc && evento->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        ApriSito();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FrmMain::cmdAvanti_Click()
{
    tb->setCurrentIndex(tb->currentIndex() + 1);
    if (tb->currentIndex() + 1 == tb->count()) {
        cmdAvanti->setEnabled(false);
        if (!ElaboraPiano())
            return;
    }
    cmdIndietro->setEnabled(true);
}

void FrmMain::cmdIndietro_Click()
{
    tb->setCurrentIndex(tb->currentIndex() - 1);
    if (tb->currentIndex() == 0)
        cmdIndietro->setEnabled(false);
    cmdAvanti->setEnabled(true);
}

void FrmMain::cmdClose_Click()
{
    const auto risposta = QMessageBox::question(this, TitoloApplicazione(), QStringLiteral("Chiudere il programma?"),
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta == QMessageBox::Yes)
        close();
}

void FrmMain::ApriSito()
{
    // Whether a browser opens is the desktop's business: a failure is not reported.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(IndirizzoSito)));
}

void FrmMain::txtData_Change()
{
    // Besides the forward button, the field itself says what is wrong.
    const bool valida = pianoamm::LeggiData(txtData->text().toStdString()).has_value();
    cmdAvanti->setEnabled(valida);
    QPalette tavolozza = txtData->palette();
    tavolozza.setColor(QPalette::Text, valida ? palette().color(QPalette::Text) : QColor(0xC0, 0x00, 0x00));
    txtData->setPalette(tavolozza);
    txtData->setToolTip(valida ? QString()
                               : QStringLiteral("Data non valida: scriverla come GG/MM/AAAA, per esempio 06/04/2006."));
}

bool FrmMain::ElaboraPiano()
{
    List1->clear();
    piano_.reset();
    pianoamm::DatiMutuo dati;
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        if (Option1[i]->isChecked())
            dati.cadenza = static_cast<pianoamm::Cadenza>(i);
    }
    dati.Importo = txtImporto->Value().value_or(0);
    dati.NumeroRate = txtNumRate->Value().value_or(0);
    dati.TassoAnnuo = txtTasso->Value().value_or(0);
    dati.DataErogazione = txtData->text().toStdString();
    try {
        auto piano = pianoamm::PianoAmm(dati);
        txtRata->SetValue(piano.Stato.Rata);
        List1->addItems(RigheDelListato(piano.Righe));
        piano_ = std::move(piano);
        return true;
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(this, TitoloApplicazione(),
                             QStringLiteral("Impossibile calcolare il piano.\n\n") + QString::fromUtf8(errore.what()));
        return false;
    }
}

void FrmMain::StampaPiano()
{
    if (List1->count() <= 1)
        return;
    const auto risposta = QMessageBox::question(this, TitoloApplicazione(), QStringLiteral("Avviare la stampa?."),
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta != QMessageBox::Yes)
        return;
    const auto pagine = Impagina(RigheListato());
    try {
        StampaSuCoda(QString(), pagine);
    } catch (const pianoamm::ErrorePiano& errore) {
        OffriPdf(QString::fromUtf8(errore.what()), pagine);
    }
}

void FrmMain::OffriPdf(const QString& motivo, const QList<QStringList>& pagine)
{
    const auto risposta = QMessageBox::warning(this, TitoloApplicazione(),
                                               motivo + QStringLiteral("\n\nSalvare la stampa come file PDF?"),
                                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (risposta == QMessageBox::Yes)
        SalvaPdfCome(QStringLiteral("Salva la stampa come PDF"), pagine);
}

void FrmMain::SalvaPdfCome(const QString& titolo, const QList<QStringList>& pagine)
{
    const QString percorso = ChiediFile(titolo, QStringLiteral("piano.pdf"), QStringLiteral("Documenti PDF (*.pdf)"));
    if (!percorso.isEmpty())
        Salva([&] { ScriviPdf(QFile::encodeName(percorso).toStdString(), pagine); });
}

void FrmMain::Salva(const std::function<void()>& scrittura)
{
    try {
        scrittura();
    } catch (const pianoamm::ErrorePiano& errore) {
        QMessageBox::warning(this, TitoloApplicazione(), QString::fromUtf8(errore.what()));
    }
}

QStringList FrmMain::RigheListato() const
{
    QStringList righe;
    righe.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        righe.append(List1->item(i)->text());
    return righe;
}

QString FrmMain::ChiediFile(const QString& titolo, const QString& nome, const QString& filtro)
{
    return QFileDialog::getSaveFileName(this, titolo, QDir::home().filePath(nome), filtro);
}

void FrmMain::List1_MenuContestuale(const QPoint& punto)
{
    if (!piano_)
        return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copia"), this, &FrmMain::CopiaRighe);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Salva come PDF…"), this, &FrmMain::SalvaPdf);
    menu.addAction(QStringLiteral("Esporta CSV…"), this, &FrmMain::EsportaCsv);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Interessi per anno…"), this, &FrmMain::MostraInteressiPerAnno);
    menu.exec(List1->viewport()->mapToGlobal(punto));
}

void FrmMain::CopiaRighe()
{
    // The selected lines in listing order, or all of them when none is selected.
    QStringList righe;
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->isSelected())
            righe.append(List1->item(i)->text());
    }
    if (righe.isEmpty())
        righe = RigheListato();
    QGuiApplication::clipboard()->setText(righe.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void FrmMain::SalvaPdf()
{
    SalvaPdfCome(QStringLiteral("Salva come PDF"), Impagina(RigheListato()));
}

void FrmMain::EsportaCsv()
{
    const QString percorso =
        ChiediFile(QStringLiteral("Esporta CSV"), QStringLiteral("piano.csv"), QStringLiteral("File CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    Salva(
        [&] { pianoamm::ScriviFileSicuro(QFile::encodeName(percorso).toStdString(), pianoamm::EsportaCsv(*piano_)); });
}

void FrmMain::MostraInteressiPerAnno()
{
    DlgInteressiAnno dialogo(pianoamm::InteressiPerAnno(*piano_), this);
    dialogo.exec();
}
