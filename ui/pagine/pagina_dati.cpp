#include "ui/pagine/pagina_dati.h"

#include "ui/comune/aspetto.h"
#include "ui/comune/twips.h"
#include "ui/controlli/campo_numerico.h"
#include "ui/finestre/dlg_dalla_rata.h"
#include "ui/pagine/cornice_pagina.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pianoamm {

namespace {

const char* const Spiegazione =
    "In questa sezione vanno inseriti i dati per il calcolo del piano di ammortamento; "
    "L'importo del prestito, il numero di rate, il tasso % su base annua e la data di decorrenza.";

}  // namespace

PaginaDati::PaginaDati(QWidget* parent) : QWidget(parent)
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
    connect(txtData, &QLineEdit::textChanged, this, &PaginaDati::ControllaData);
    txtData->setText(QString::fromStdString(pianoamm::FormatoData(pianoamm::Oggi())));
    // Where the next page has its terms' button, clear of the fields.
    cmdDallaRata = new QPushButton(QStringLiteral("Calcola dalla &rata…"), cornice);
    cmdDallaRata->setObjectName(QStringLiteral("cmdDallaRata"));
    cmdDallaRata->setGeometry(tw(6420, 2190, 2610, 375));
    connect(cmdDallaRata, &QPushButton::clicked, this, &PaginaDati::DallaRata);
}

void PaginaDati::DallaRata()
{
    pianoamm::Mutuo noto = completaMutuo(LeggiMutuo(pianoamm::Cadenza::Mensile, {}));
    if (!DataValida())
        noto.erogazione = pianoamm::Oggi();
    DlgDallaRata dialogo(noto, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const pianoamm::Mutuo& trovato = dialogo.Trovato();
    txtImporto->ImpostaValore(trovato.importo);
    txtNumRate->ImpostaValore(trovato.numeroRate);
    txtTasso->ImpostaValore(trovato.tassoAnnuo);
    scegliCadenza(trovato.cadenza);
}

bool PaginaDati::DataValida() const
{
    return pianoamm::LeggiData(txtData->text().toStdString()).has_value();
}

double PaginaDati::Importo() const
{
    return txtImporto->Valore();
}

pianoamm::Mutuo PaginaDati::LeggiMutuo(pianoamm::Cadenza cadenza, const Condizioni& condizioni) const
{
    return {txtImporto->Valore(),
            static_cast<int>(txtNumRate->Valore()),
            txtTasso->Valore(),
            pianoamm::LeggiData(txtData->text().toStdString()).value_or(pianoamm::Data{}),
            cadenza,
            condizioni};
}

void PaginaDati::Imposta(const pianoamm::Mutuo& mutuo)
{
    txtImporto->ImpostaValore(mutuo.importo);
    txtNumRate->ImpostaValore(mutuo.numeroRate);
    txtTasso->ImpostaValore(mutuo.tassoAnnuo);
    txtData->setText(QString::fromStdString(pianoamm::FormatoData(mutuo.erogazione)));
}

void PaginaDati::ControllaData()
{
    // Besides the forward button, the field itself says what is wrong.
    SegnaNonValido(txtData, DataValida(),
                   QStringLiteral("Data non valida: scriverla come GG/MM/AAAA, per esempio 06/04/2006."));
    emit DataCambiata();
}

}  // namespace pianoamm
