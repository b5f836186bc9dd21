#include "ui/pagine/pagina_dati.h"

#include "ui/azioni/modello_offerta.h"
#include "ui/comune/aspetto.h"
#include "ui/comune/twips.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/finestre/dlg_dalla_rata.h"
#include "ui/pagine/cornice_pagina.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace pianoamm {

namespace {

const char* const Spiegazione =
    "In questa sezione vanno inseriti i dati per il calcolo del piano di ammortamento: "
    "l'importo del prestito, il numero di rate, il tasso % su base annua e la data di decorrenza.";

}  // namespace

PaginaDati::PaginaDati(ModelloOfferta& modello, QWidget* parent) : QWidget(parent), offerta(modello)
{
    const Twips tw(logicalDpiX());
    auto* cornice =
        new CornicePagina(QStringLiteral("Inserire le informazioni per calcolare il piano di ammortamento"),
                          QString::fromUtf8(Spiegazione), QStringLiteral(":/assets/blocco.ico"), 8565, this);

    // Each label, also the field's name for screen readers, ends where its
    // field begins, less a small gap.
    const auto colloca = [&](QWidget* campo, const char* nome, QRect posizione, const char* testo, int altoTesto) {
        campo->setObjectName(QString::fromLatin1(nome));
        campo->setGeometry(posizione);
        auto* etichetta = new QLabel(QString::fromLatin1(testo), cornice);
        etichetta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int larghezza = etichetta->fontMetrics().horizontalAdvance(etichetta->text()) + 2;
        etichetta->setGeometry(tw(2145) - larghezza, tw(altoTesto), larghezza, tw(195));
        etichetta->setBuddy(campo);
    };
    // Made in their Tab order.
    txtImporto = new CampoNumerico(pianoamm::LimiteImporto, true, cornice);
    colloca(txtImporto, "txtImporto", tw(2430, 585, 1650, 300), "Importo Finanziamento", 675);
    txtNumRate = new CampoNumerico(pianoamm::LimiteNumeroRate, false, cornice);
    colloca(txtNumRate, "txtNumRate", tw(2430, 1215, 1005, 285), "Numero Rate", 1275);
    txtTasso = new CampoNumerico(pianoamm::LimiteTasso, false, cornice);
    colloca(txtTasso, "txtTasso", tw(2430, 1815, 1005, 285), "Tasso Annuo %", 1875);
    txtData = new QLineEdit(cornice);
    colloca(txtData, "txtData", tw(2430, 2415, 1275, 285), "Data Erogazione", 2475);
    for (CampoNumerico* campo : {txtImporto, txtNumRate, txtTasso})
        connect(campo, &CampoNumerico::ValoreCambiato, this, &PaginaDati::Leggi);
    connect(txtData, &QLineEdit::textChanged, this, &PaginaDati::ControllaData);
    connect(&offerta, &ModelloOfferta::Cambiata, this, &PaginaDati::Mostra);
    Mostra();
    // Where the next page has its terms' button, clear of the fields.
    cmdDallaRata = new QPushButton(QStringLiteral("Calcola dalla &rata…"), cornice);
    cmdDallaRata->setObjectName(QStringLiteral("cmdDallaRata"));
    cmdDallaRata->setGeometry(tw(6420, 2190, 2610, 375));
    connect(cmdDallaRata, &QPushButton::clicked, this, &PaginaDati::DallaRata);
}

void PaginaDati::DallaRata()
{
    pianoamm::Mutuo noto = offerta.Corrente().mutuo;
    if (!DataValida())
        noto.erogazione = pianoamm::Oggi();
    DlgDallaRata dialogo(noto, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const pianoamm::Mutuo& trovato = dialogo.Trovato();
    pianoamm::Mutuo mutuo = offerta.Corrente().mutuo;
    mutuo.importo = trovato.importo;
    mutuo.numeroRate = trovato.numeroRate;
    mutuo.tassoAnnuo = trovato.tassoAnnuo;
    mutuo.cadenza = trovato.cadenza;
    offerta.ImpostaMutuo(mutuo);
}

bool PaginaDati::DataValida() const
{
    return pianoamm::LeggiData(txtData->text().toStdString()).has_value();
}

void PaginaDati::Leggi()
{
    if (mostrando)
        return;
    pianoamm::Mutuo mutuo = offerta.Corrente().mutuo;
    mutuo.importo = txtImporto->Valore();
    mutuo.numeroRate = static_cast<int>(txtNumRate->Valore());
    mutuo.tassoAnnuo = txtTasso->Valore();
    const auto letta = pianoamm::LeggiData(txtData->text().toStdString());
    mutuo.erogazione = letta.value_or(mutuo.erogazione);
    // The loan before the mark: a date that has just become valid is
    // taken while its field is still marked, so its text stays as typed.
    offerta.ImpostaMutuo(mutuo);
    offerta.SegnaCampo(QStringLiteral("data"),
                       letta ? QString()
                             : QStringLiteral("La data di erogazione non è valida: scriverla come GG/MM/AAAA."));
}

void PaginaDati::Mostra()
{
    const pianoamm::Mutuo& mutuo = offerta.Corrente().mutuo;
    mostrando = true;
    // A field being typed in keeps its text while its value is the loan's.
    for (const auto& [campo, valore] : {std::pair{txtImporto, mutuo.importo},
                                        {txtNumRate, static_cast<double>(mutuo.numeroRate)},
                                        {txtTasso, mutuo.tassoAnnuo}}) {
        if (campo->Valore() != valore)
            campo->ImpostaValore(valore);
    }
    const auto letta = pianoamm::LeggiData(txtData->text().toStdString());
    if (!offerta.NonValido(QStringLiteral("data")) && letta != mutuo.erogazione)
        txtData->setText(QString::fromStdString(pianoamm::FormatoData(mutuo.erogazione)));
    mostrando = false;
}

void PaginaDati::ControllaData()
{
    // Besides the forward button, the field itself says what is wrong.
    SegnaNonValido(txtData, DataValida(),
                   QStringLiteral("Data non valida: scriverla come GG/MM/AAAA, per esempio 06/04/2006."));
    emit DataCambiata();
    Leggi();
}

}  // namespace pianoamm
