#include "ui/finestre/dlg_guida.h"

#include "ui/comune/posizione.h"
#include "ui/controlli/invio_bottoni.h"
#include "ui/controlli/motivo_campo.h"
#include "ui/controlli/testo_guida.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace pianoamm {

namespace {

constexpr char ProprietaGuida[] = "paginaGuida";

QUrl Indirizzo(const QString& pagina)
{
    return {QStringLiteral("qrc:/guida/") + pagina + QStringLiteral(".md")};
}

QString PaginaDi(const QUrl& indirizzo)
{
    return QFileInfo(indirizzo.path()).completeBaseName();
}

// The page of the part with the focus, else of the window's part on show
// that has one (the wizard's page), else the window's own.
QString PaginaPer(QWidget* finestra)
{
    for (const QWidget* w = finestra->focusWidget(); w != nullptr && w != finestra; w = w->parentWidget())
        if (w->isVisible() && w->property(ProprietaGuida).isValid())
            return w->property(ProprietaGuida).toString();
    for (const QWidget* parte : finestra->findChildren<QWidget*>())
        if (parte->window() == finestra && parte->isVisible() && parte->property(ProprietaGuida).isValid())
            return parte->property(ProprietaGuida).toString();
    return finestra->property(ProprietaGuida).toString();
}

// A window waiting for an answer, else the program's main window.
QWidget* Proprietaria(QWidget* da)
{
    if (QWidget* attesa = QApplication::activeModalWidget())
        return attesa;
    QWidget* finestra = da->window();
    while (finestra->parentWidget() != nullptr)
        finestra = finestra->parentWidget()->window();
    return finestra;
}

QPushButton* Bottone(const QString& testo, const char* nome, QWidget* parent)
{
    auto* bottone = new QPushButton(testo, parent);
    bottone->setObjectName(QString::fromLatin1(nome));
    bottone->setAccessibleName(
        QString(testo).remove(QLatin1Char('&')).remove(QLatin1Char('<')).remove(QLatin1Char('>')).trimmed());
    return bottone;
}

}  // namespace

void ConGuida(QWidget* parte, const QString& pagina)
{
    parte->setProperty(ProprietaGuida, pagina);
    if (parte->isWindow())
        QObject::connect(new QShortcut(QKeySequence::HelpContents, parte), &QShortcut::activated, parte,
                         [parte] { DlgGuida::Apri(parte, PaginaPer(parte)); });
}

DlgGuida* DlgGuida::Apri(QWidget* da, const QString& pagina)
{
    QWidget* proprietaria = Proprietaria(da);
    DlgGuida* guida = nullptr;
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (auto* aperta = qobject_cast<DlgGuida*>(finestra))
            guida = aperta;
    const bool daCollocare = guida == nullptr || guida->parentWidget() != proprietaria || !guida->isVisible();
    if (guida == nullptr)
        guida = new DlgGuida(proprietaria);
    else if (guida->parentWidget() != proprietaria)
        guida->setParent(proprietaria, guida->windowFlags());
    if (daCollocare)
        PosizionaAccanto(guida, da->window());
    guida->show();
    guida->raise();
    guida->activateWindow();
    guida->Mostra(pagina);
    return guida;
}

DlgGuida::DlgGuida(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgGuida"));
    setWindowTitle(QStringLiteral("Guida"));
    // F1 in the guide: its contents.
    ConGuida(this, QStringLiteral("indice"));
    txtGuida = new TestoGuida(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setAccessibleName(QStringLiteral("Pagina della guida"));
    auto* divisore = new QSplitter(this);
    auto* indice = new QWidget(divisore);
    auto* colonna = new QVBoxLayout(indice);
    colonna->setContentsMargins(0, 0, 0, 0);
    lstIndice = new QListWidget(indice);
    lstIndice->setObjectName(QStringLiteral("lstIndice"));
    lstIndice->setAccessibleName(QStringLiteral("Indice"));
    auto* etichetta = new QLabel(QStringLiteral("I&ndice:"), indice);
    etichetta->setBuddy(lstIndice);
    colonna->addWidget(etichetta);
    colonna->addWidget(lstIndice, 1);
    divisore->addWidget(indice);
    divisore->addWidget(txtGuida);
    divisore->setStretchFactor(1, 1);
    CreaIndice();

    auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Close, this);
    bottoni->button(QDialogButtonBox::Close)->setText(QStringLiteral("Chiudi"));
    bottoni->button(QDialogButtonBox::Close)->setAccessibleName(QStringLiteral("Chiudi"));
    connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(CreaComandi());
    impaginazione->addWidget(divisore, 1);
    impaginazione->addWidget(bottoni);
    connect(txtGuida, &QTextBrowser::sourceChanged, this, &DlgGuida::SeguiPagina);
    InvioCliccaIBottoni(this);
    // The contents as wide as their longest title, the page the rest.
    const QFontMetrics misure = fontMetrics();
    resize(misure.averageCharWidth() * 112, misure.height() * 36);
    const int larghezzaIndice =
        lstIndice->sizeHintForColumn(0) + 2 * lstIndice->frameWidth() + misure.averageCharWidth() * 2;
    divisore->setSizes({larghezzaIndice, width() - larghezzaIndice});
}

QWidget* DlgGuida::CreaComandi()
{
    auto* comandi = new QWidget(this);
    auto* colonna = new QVBoxLayout(comandi);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* riga = new QHBoxLayout;
    colonna->addLayout(riga);
    cmdIndietro = Bottone(QStringLiteral("< &Indietro"), "cmdIndietro", comandi);
    cmdAvanti = Bottone(QStringLiteral("A&vanti >"), "cmdAvanti", comandi);
    txtTrova = new QLineEdit(comandi);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setAccessibleName(QStringLiteral("Trova nella pagina"));
    auto* etichetta = new QLabel(QStringLiteral("&Trova:"), comandi);
    etichetta->setBuddy(txtTrova);
    auto* successivo = Bottone(QStringLiteral("&Successivo"), "cmdSuccessivo", comandi);
    auto* precedente = Bottone(QStringLiteral("&Precedente"), "cmdPrecedente", comandi);
    for (QWidget* parte : std::initializer_list<QWidget*>{cmdIndietro, cmdAvanti, etichetta})
        riga->addWidget(parte);
    riga->addWidget(txtTrova, 1);
    riga->addWidget(successivo);
    riga->addWidget(precedente);
    lblMotivoTrova = new MotivoCampo(comandi);
    lblMotivoTrova->setObjectName(QStringLiteral("lblMotivoTrova"));
    colonna->addWidget(lblMotivoTrova);

    cmdIndietro->setEnabled(false);
    cmdAvanti->setEnabled(false);
    connect(txtGuida, &QTextBrowser::backwardAvailable, cmdIndietro, &QWidget::setEnabled);
    connect(txtGuida, &QTextBrowser::forwardAvailable, cmdAvanti, &QWidget::setEnabled);
    connect(cmdIndietro, &QPushButton::clicked, txtGuida, &QTextBrowser::backward);
    connect(cmdAvanti, &QPushButton::clicked, txtGuida, &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, txtGuida, &QTextBrowser::backward);
    connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, txtGuida, &QTextBrowser::forward);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        txtTrova->setFocus(Qt::ShortcutFocusReason);
        txtTrova->selectAll();
    });
    const auto trova = [this](bool indietro) { return [this, indietro] { Trova(indietro); }; };
    connect(txtTrova, &QLineEdit::returnPressed, this, trova(false));
    connect(successivo, &QPushButton::clicked, this, trova(false));
    connect(precedente, &QPushButton::clicked, this, trova(true));
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, trova(false));
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this, trova(true));
    connect(txtTrova, &QLineEdit::textEdited, lblMotivoTrova, [this] { lblMotivoTrova->Mostra({}); });
    return comandi;
}

// The contents are the contents page's links, in its order.
void DlgGuida::CreaIndice()
{
    QFile file(QStringLiteral(":/guida/indice.md"));
    const QString testo = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    auto* voce = new QListWidgetItem(QStringLiteral("Indice"), lstIndice);
    voce->setData(Qt::UserRole, QStringLiteral("indice"));
    static const QRegularExpression Collegamento(QStringLiteral(R"(\[([^\]]+)\]\(([\w-]+)\.md\))"));
    QStringList pagine{QStringLiteral("indice")};
    for (const QRegularExpressionMatch& trovato : Collegamento.globalMatch(testo))
        if (!pagine.contains(trovato.captured(2))) {
            pagine << trovato.captured(2);
            voce = new QListWidgetItem(trovato.captured(1), lstIndice);
            voce->setData(Qt::UserRole, pagine.back());
        }
    connect(lstIndice, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem* scelta) {
        if (scelta != nullptr)
            Mostra(scelta->data(Qt::UserRole).toString());
    });
}

QString DlgGuida::Pagina() const
{
    return PaginaDi(txtGuida->source());
}

void DlgGuida::Mostra(const QString& pagina)
{
    if (pagina != Pagina())
        txtGuida->setSource(Indirizzo(pagina), QTextDocument::MarkdownResource);
}

// Told before the browser's own history moves: the page is the one given.
void DlgGuida::SeguiPagina(const QUrl& indirizzo)
{
    lblMotivoTrova->Mostra({});
    const QSignalBlocker fermo(lstIndice);
    const QString pagina = PaginaDi(indirizzo);
    for (int riga = 0; riga < lstIndice->count(); ++riga)
        if (lstIndice->item(riga)->data(Qt::UserRole).toString() == pagina)
            lstIndice->setCurrentRow(riga);
}

// Through the page from the cursor, and once round from its other end.
void DlgGuida::Trova(bool indietro)
{
    const QString testo = txtTrova->text();
    if (testo.isEmpty())
        return;
    const QTextDocument::FindFlags verso = indietro ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    const QTextDocument* pagina = txtGuida->document();
    QTextCursor trovato = pagina->find(testo, txtGuida->textCursor(), verso);
    if (trovato.isNull()) {
        QTextCursor capo(txtGuida->document());
        capo.movePosition(indietro ? QTextCursor::End : QTextCursor::Start);
        trovato = pagina->find(testo, capo, verso);
    }
    if (!trovato.isNull())
        txtGuida->setTextCursor(trovato);
    lblMotivoTrova->Mostra(trovato.isNull() ? QStringLiteral("«%1» non compare in questa pagina.").arg(testo)
                                            : QString());
}

}  // namespace pianoamm
