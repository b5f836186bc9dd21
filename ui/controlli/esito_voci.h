#pragma once

#include "engine/costi.h"
#include "engine/data.h"

#include <QPlainTextEdit>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace pianoamm {

class MotivoCampo;

// A result's label : value lines, laid out as the command line writes them
// (TestoVoci): read-only, in a fixed pitch so that side-by-side columns line
// up, reached with Tab, read by a screen reader line by line, and copied,
// printed, saved as PDF and exported as CSV by the buttons it adds.
class EsitoVoci : public QPlainTextEdit {
    Q_OBJECT

public:
    EsitoVoci(const QString& nome, QWidget* parent);

    // The lines anew; none, when there is no result, clears them and
    // disables the buttons.
    void Mostra(std::vector<pianoamm::VoceCosto> nuove);
    const std::vector<pianoamm::VoceCosto>& Voci() const { return voci; }
    // C&opia, S&tampa…, Salva come &PDF… and &Esporta CSV… in bottoni, the
    // files first offered as base with their extension.
    void AggiungiBottoni(QDialogButtonBox* bottoni, const QString& base);

private:
    std::vector<pianoamm::VoceCosto> voci;
    std::vector<QPushButton*> comandi;
};

// The day a result is for, typed as GG/MM/AAAA: a form's row, first
// showing iniziale, and under it the reason of its refusal.
struct CampoGiorno {
    QLineEdit* campo;
    MotivoCampo* motivo;

    // The day typed; nothing, said so, for a text that is not a date.
    std::optional<pianoamm::Data> Giorno() const;
    // Empty for a day taken; else the field marked and the reason shown.
    void Rifiuta(const QString& perche) const;
};
CampoGiorno RigaGiorno(QFormLayout* modulo, const QString& etichetta, const QString& nome,
                       const pianoamm::Data& iniziale);

// Lays finestra out as modulo over the buttons: esito's, those altri adds,
// Chiudi; Return in a field only confirms it, never clicking a button. Of
// dimensione, beside the window of its parent.
void ImpaginaConEsito(QDialog* finestra, QFormLayout* modulo, EsitoVoci* esito, const QString& base, QSize dimensione,
                      const std::function<void(QDialogButtonBox*)>& altri = {});

}  // namespace pianoamm
