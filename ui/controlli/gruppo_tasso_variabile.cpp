#include "ui/controlli/gruppo_tasso_variabile.h"

#include "ui/comune/cartelle.h"
#include "ui/comune/scelte.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/controlli/motivo_campo.h"

#include "engine/errore.h"
#include "engine/formato.h"
#include "file/serie_indice.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace pianoamm {

namespace {

// A row of the index's table: its date, and its value aligned as numbers are.
QList<QStandardItem*> RigaIndice(const QString& data, const QString& valore)
{
    auto* cella = new QStandardItem(valore);
    cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return {new QStandardItem(data), cella};
}

QSpinBox* Conteggio(QWidget* genitore, const char* nome, const Limite& limite, int valore)
{
    auto* conteggio = new QSpinBox(genitore);
    conteggio->setObjectName(QString::fromLatin1(nome));
    conteggio->setRange(static_cast<int>(limite.minimo), static_cast<int>(limite.massimo));
    conteggio->setValue(valore);
    return conteggio;
}

QPushButton* Comando(QWidget* genitore, const QString& testo, const char* nome, QBoxLayout* fila)
{
    auto* bottone = new QPushButton(testo, genitore);
    bottone->setObjectName(QString::fromLatin1(nome));
    bottone->setAutoDefault(false);
    fila->addWidget(bottone);
    return bottone;
}

}  // namespace

GruppoTassoVariabile::GruppoTassoVariabile(const std::optional<TassoVariabile>& iniziale, QWidget* parent)
    : QGroupBox(QStringLiteral("Tasso &variabile"), parent), dati(iniziale)
{
    setObjectName(QStringLiteral("grpTassoVariabile"));
    setCheckable(true);
    setChecked(iniziale.has_value());
    auto* modulo = new QFormLayout(this);
    const TassoVariabile tasso = iniziale.value_or(TassoVariabile{});
    CreaCampi(tasso);
    // Pasted from a spreadsheet, or typed: a row a value.
    modulo->addRow(
        new QLabel(QStringLiteral("Valori dell'indice (incollabili da un foglio di calcolo con Ctrl+V):"), this));
    modulo->addRow(CreaTabella(tasso.indice));
    lblMotivoIndice = RigaMotivo(modulo);
    lblMotivoIndice->setObjectName(QStringLiteral("lblMotivoIndice"));
    connect(this, &QGroupBox::toggled, this, &GruppoTassoVariabile::Cambiato);
    connect(this, &GruppoTassoVariabile::Cambiato, this, &GruppoTassoVariabile::ControllaIndice);
}

void GruppoTassoVariabile::CreaCampi(const TassoVariabile& tasso)
{
    auto* modulo = static_cast<QFormLayout*>(layout());
    const auto numero = [this, modulo](const QString& etichetta, const char* nome, const Limite& limite,
                                       double valore) {
        auto* campo = new CampoNumerico(limite, false, this);
        campo->setObjectName(QString::fromLatin1(nome));
        campo->ImpostaValore(valore);
        connect(campo, &CampoNumerico::ValoreCambiato, this, &GruppoTassoVariabile::Cambiato);
        RigaConMotivo(modulo, etichetta, campo);
        return campo;
    };
    txtSpread = numero(QStringLiteral("Sprea&d (punti):"), "txtSpread", LimiteSpread, tasso.spread);
    spnRevisione = Conteggio(this, "spnRevisione", LimiteRevisione, tasso.revisione);
    modulo->addRow(QStringLiteral("Revisione o&gni (rate):"), spnRevisione);
    cboArrotondaIndice = new QComboBox(this);
    cboArrotondaIndice->setObjectName(QStringLiteral("cboArrotondaIndice"));
    cboArrotondaIndice->addItem(QStringLiteral("Nessuno"));
    for (const double passo : PassiIndice) {
        const int decimali = std::abs(passo * 100 - std::round(passo * 100)) < 1e-9 ? 2 : 3;
        cboArrotondaIndice->addItem(QString::fromStdString(FormatoDecimali(passo, decimali, false)), passo);
        if (tasso.arrotondamento == passo)
            cboArrotondaIndice->setCurrentIndex(cboArrotondaIndice->count() - 1);
    }
    modulo->addRow(QStringLiteral("Arrotondamento dell'i&ndice:"), cboArrotondaIndice);
    txtTassoMinimo = numero(QStringLiteral("Tasso minimo (&floor; 0: nessuno):"), "txtTassoMinimo", LimiteTassoMinimo,
                            tasso.minimo.value_or(0));
    txtTassoMassimo = numero(QStringLiteral("Tasso ma&ssimo (cap; 0: nessuno):"), "txtTassoMassimo", LimiteTassoMassimo,
                             tasso.massimo.value_or(0));
    cboRicalcolo = new QComboBox(this);
    cboRicalcolo->setObjectName(QStringLiteral("cboRicalcolo"));
    RiempiScelte(cboRicalcolo, Ricalcoli, tasso.ricalcolo);
    cboRicalcolo->setAccessibleDescription(SpiegazioneVoci(Ricalcoli));
    modulo->addRow(QStringLiteral("Ricalco&lo a ogni nuovo tasso:"), cboRicalcolo);
    spnDurataMassima = Conteggio(this, "spnDurataMassima", LimiteDurataMassima, tasso.durataMassima);
    modulo->addRow(QStringLiteral("Dur&ata massima (rate):"), spnDurataMassima);
    const auto durata = [this] {
        spnDurataMassima->setEnabled(ValoreScelto<Ricalcolo>(cboRicalcolo) == Ricalcolo::Durata);
    };
    durata();
    connect(cboRicalcolo, &QComboBox::currentIndexChanged, this, durata);
    for (QSpinBox* conteggio : {spnRevisione, spnDurataMassima})
        connect(conteggio, &QSpinBox::valueChanged, this, &GruppoTassoVariabile::Cambiato);
    for (QComboBox* scelta : {cboArrotondaIndice, cboRicalcolo})
        connect(scelta, &QComboBox::currentIndexChanged, this, &GruppoTassoVariabile::Cambiato);
}

QWidget* GruppoTassoVariabile::CreaTabella(const std::vector<ValoreIndice>& indice)
{
    auto* riquadro = new QWidget(this);
    auto* pila = new QVBoxLayout(riquadro);
    pila->setContentsMargins(0, 0, 0, 0);
    valori = new QStandardItemModel(0, 2, this);
    valori->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Valore (%)")});
    grdIndice = new QTableView(riquadro);
    grdIndice->setObjectName(QStringLiteral("grdIndice"));
    grdIndice->setAccessibleName(QStringLiteral("Valori dell'indice"));
    grdIndice->setModel(valori);
    // Tab goes on to the buttons, as a keyboard's user expects.
    grdIndice->setTabKeyNavigation(false);
    grdIndice->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdIndice->setMinimumHeight(grdIndice->verticalHeader()->defaultSectionSize() * 6);
    pila->addWidget(grdIndice, 1);
    auto* comandi = new QHBoxLayout;
    connect(Comando(riquadro, QStringLiteral("Aggi&ungi"), "cmdAggiungiValore", comandi), &QPushButton::clicked, this,
            &GruppoTassoVariabile::Aggiungi);
    connect(Comando(riquadro, QStringLiteral("R&imuovi"), "cmdRimuoviValore", comandi), &QPushButton::clicked, this,
            &GruppoTassoVariabile::Rimuovi);
    connect(Comando(riquadro, QStringLiteral("Importa &CSV…"), "cmdImportaIndice", comandi), &QPushButton::clicked,
            this, &GruppoTassoVariabile::Importa);
    comandi->addStretch();
    pila->addLayout(comandi);
    new QShortcut(QKeySequence::Paste, grdIndice, this, &GruppoTassoVariabile::Incolla, Qt::WidgetShortcut);
    new QShortcut(Qt::Key_Insert, grdIndice, this, &GruppoTassoVariabile::Aggiungi, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Delete, grdIndice, this, &GruppoTassoVariabile::Rimuovi, Qt::WidgetShortcut);
    AggiungiValori(indice);
    connect(valori, &QStandardItemModel::dataChanged, this, &GruppoTassoVariabile::Cambiato);
    connect(valori, &QStandardItemModel::rowsRemoved, this, &GruppoTassoVariabile::Cambiato);
    return riquadro;
}

void GruppoTassoVariabile::AggiungiValori(const std::vector<ValoreIndice>& serie)
{
    for (const ValoreIndice& valore : serie)
        valori->appendRow(RigaIndice(QString::fromStdString(FormatoData(valore.data)),
                                     QString::fromStdString(FormatoDecimali(valore.valore, 3, false))));
}

void GruppoTassoVariabile::Aggiungi()
{
    valori->appendRow(RigaIndice(QString(), QString()));
    const QModelIndex nuova = valori->index(valori->rowCount() - 1, 0);
    grdIndice->setCurrentIndex(nuova);
    grdIndice->edit(nuova);
    emit Cambiato();
}

void GruppoTassoVariabile::Rimuovi()
{
    const QModelIndex corrente = grdIndice->currentIndex();
    if (corrente.isValid())
        valori->removeRow(corrente.row());
}

void GruppoTassoVariabile::Importa()
{
    const QString scelto = Ricorda(
        TipoFile::Tabella, QFileDialog::getOpenFileName(this, QStringLiteral("Importa i valori dell'indice"),
                                                        CartellaPer(TipoFile::Tabella),
                                                        QStringLiteral("File CSV (*.csv *.txt);;Tutti i file (*)")));
    if (!scelto.isEmpty())
        Prendi(
            QString(), [nome = QFile::encodeName(scelto).toStdString()] { return LeggiFileIndice(nome); }, true);
}

void GruppoTassoVariabile::Incolla()
{
    // A spreadsheet's cells come separated by tabs.
    const std::string testo =
        QApplication::clipboard()->text().replace(QLatin1Char('\t'), QLatin1Char(';')).toStdString();
    Prendi(
        QStringLiteral("Il testo incollato "), [testo] { return IndiceDaCsv(testo); }, false);
}

void GruppoTassoVariabile::Prendi(const QString& origine, const std::function<std::vector<ValoreIndice>()>& leggi,
                                  bool sostituisce)
{
    try {
        const std::vector<ValoreIndice> serie = leggi();
        if (sostituisce)
            valori->removeRows(0, valori->rowCount());
        AggiungiValori(serie);
        emit Cambiato();
    } catch (const ErrorePiano& errore) {
        QString motivo = origine + QString::fromStdString(errore.what());
        motivo[0] = motivo[0].toUpper();
        lblMotivoIndice->Mostra(motivo);
    }
}

std::vector<ValoreIndice> GruppoTassoVariabile::Indice() const
{
    std::vector<ValoreIndice> serie;
    for (int riga = 0; riga < valori->rowCount(); ++riga) {
        try {
            AggiungiValore(serie, ValoreIndiceDa(valori->item(riga, 0)->text().trimmed().toStdString(),
                                                 valori->item(riga, 1)->text().trimmed().toStdString()));
        } catch (const ErrorePiano& errore) {
            throw ErrorePiano("Valori dell'indice, riga " + std::to_string(riga + 1) + ": " + errore.what());
        }
    }
    return serie;
}

void GruppoTassoVariabile::ControllaIndice()
{
    try {
        (void)Indice();
        lblMotivoIndice->Mostra(QString());
    } catch (const ErrorePiano& errore) {
        lblMotivoIndice->Mostra(isChecked() ? QString::fromStdString(errore.what()) : QString());
    }
}

std::optional<TassoVariabile> GruppoTassoVariabile::Dati() const
{
    if (!isChecked())
        return std::nullopt;
    // A bound of 0 stands for none, but one the loan had stays.
    const auto limite = [](const CampoNumerico* campo, const std::optional<double>& prima) {
        return campo->Valore() != 0 || prima == 0.0 ? std::optional(campo->Valore()) : std::nullopt;
    };
    TassoVariabile tasso;
    tasso.indice = Indice();
    tasso.spread = txtSpread->Valore();
    tasso.revisione = spnRevisione->value();
    if (cboArrotondaIndice->currentData().isValid())
        tasso.arrotondamento = cboArrotondaIndice->currentData().toDouble();
    tasso.minimo = limite(txtTassoMinimo, dati ? dati->minimo : std::nullopt);
    tasso.massimo = limite(txtTassoMassimo, dati ? dati->massimo : std::nullopt);
    tasso.ricalcolo = ValoreScelto<Ricalcolo>(cboRicalcolo);
    tasso.durataMassima = spnDurataMassima->value();
    return tasso;
}

}  // namespace pianoamm
