#pragma once

// The loan with everything entered about it, as the windows show it now and
// as it was last opened or saved. The pages and dialogs read it here and
// change it here; each change that gives another value is told once, by
// Cambiata, and they redraw on it.

#include "engine/offerta.h"

#include <QObject>
#include <QString>

#include <map>

namespace pianoamm {

class ModelloOfferta : public QObject {
    Q_OBJECT

public:
    // A new loan: its figures at their least, paid out today, as saved.
    explicit ModelloOfferta(QObject* parent);

    const Offerta& Corrente() const { return offerta; }

    void ImpostaMutuo(const Mutuo& mutuo);
    void ImpostaCadenza(Cadenza cadenza);
    void ImpostaCondizioni(const Condizioni& condizioni);
    void ImpostaCosti(const Costi& costi, const RegoleDetrazione& regole);
    void ImpostaScenario(Scenario scenario);
    // A field whose text holds no value yet (campo names it): the loan keeps
    // its last value, and cannot be saved, for motivo, until the field is
    // given an empty motivo.
    void SegnaCampo(const QString& campo, const QString& motivo);
    // Whether campo was marked, and not cleared since.
    bool NonValido(const QString& campo) const { return nonValidi.contains(campo); }
    // Why what is entered cannot be taken as it is, a marked field's
    // reason; empty when every field holds its value.
    QString Motivo() const;

    // Whether what is entered differs from what was last opened or saved:
    // a field with no value always does.
    bool Modificato() const { return !nonValidi.empty() || offerta != salvata; }
    // Takes nuova, as a file holds it, in place of everything entered.
    void Sostituisci(Offerta nuova);
    // What is entered now is as saved.
    void Salvata();

signals:
    void Cambiata();

private:
    void Cambia(Offerta nuova);

    // Both kept with the events in the order the plan applies them: an
    // order changed is no change of the loan.
    Offerta offerta;
    Offerta salvata;
    std::map<QString, QString> nonValidi;
};

}  // namespace pianoamm
