#pragma once

#include "engine/limiti.h"

#include <QLineEdit>
#include <QValidator>

namespace pianoamm {

// A line edit that holds a number of the loan's data: shown in the Italian
// pattern ("100.000,00" where it groups digits), edited in the same pattern,
// kept within its limit (engine/limiti.h), which also gives its decimals. It
// refuses keys that cannot make a number, or that would pass the maximum; a
// value under the minimum, or an emptied field, becomes the minimum as the
// field is left or Return is pressed in it. Where the field has decimals a typed "." is the decimal
// comma. Text put in at once (pasted, dropped) is read as a number written
// the way people write it, "1.234,56" or "1234.56", or refused whole with a
// beep. Every refusal, and a value raised to the minimum, says why through
// Motivo; where nothing listens, as on the wizard's first page, a decimal
// mark in a whole number says it in a tip.
class CampoNumerico : public QLineEdit {
    Q_OBJECT

public:
    // Starts at the limit's minimum.
    explicit CampoNumerico(const pianoamm::Limite& limiteCampo, bool gruppi, QWidget* parent);

    double Valore() const { return valore; }
    void ImpostaValore(double nuovo);

signals:
    // As typed, or as set: the value, not only the text, is another.
    void ValoreCambiato();
    // Why the last key, piece or value was refused, or what it became; empty
    // once a value is taken as typed.
    void Motivo(const QString& perche);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    class Validatore;

    QValidator::State ValidaTesto(QString& testo) const;
    QValidator::State Valida(QString& testo, int& pos);
    enum class Rifiuto { Decimali, Carattere, Massimo };
    void Rifiuta(Rifiuto rifiuto);
    // Whether testo reads as a number beyond the maximum.
    bool Oltre(const QString& testo) const;
    void Ricorda();
    void LeggiTesto();
    // As the field is left or Return pressed in it.
    void Conferma();

    pianoamm::Limite limite;
    bool raggruppa;  // "." between groups of three digits
    double valore;
    // The text and where its selection, or else the cursor, began, as they
    // stood before the edit being validated.
    QString testoPrima;
    int inizioPrima = 0;
    bool decimaliRifiutati = false;
};

}  // namespace pianoamm
