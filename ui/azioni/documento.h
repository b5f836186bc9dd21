#pragma once

// The loan as a file: which file the window shows, whether what is entered
// differs from what was last opened or saved, the files opened of late, and
// the question before anything entered could be lost. Every failure is told
// over the window; nothing is thrown.

#include "engine/offerta.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QMenu;
class QWidget;

namespace pianoamm {

class Documento : public QObject {
    Q_OBJECT

public:
    // lettura gives the loan as entered, or throws ErrorePiano with the
    // reason it cannot be saved; scrittura puts a loan into the window's
    // fields.
    Documento(QWidget* padre, std::function<Offerta()> lettura, std::function<void(const Offerta&)> scrittura);

    // Asks for the file, after the question on what would be lost.
    void Apri();
    // False, with the reason told, for a file refused: the window's data
    // stay as they were.
    bool Apri(const QString& file);
    // False when not saved: cancelled, refused or failed (the reason told).
    bool Salva();
    bool SalvaConNome();
    bool SalvaIn(const QString& file);

    // Whether a value entered differs from the file's: opening a window or
    // showing a default changes nothing.
    bool Modificato() const;
    // Before what is entered would be lost: "Salvare le modifiche?" when
    // it differs from its file. True to go on.
    bool ConfermaPerdita();
    // Takes the entered data as the saved state, once the window is made.
    void Azzera();

    QString Percorso() const { return percorso; }
    // The offer's name, as its file has it.
    const std::string& Nome() const { return aperta.nome; }
    // The last five files opened or saved, the latest first.
    QStringList Recenti() const;
    // Apri…, Salva, Salva con nome… and the Recenti submenu.
    void AggiungiVoci(QMenu* menu);

signals:
    // The file or its modified state may have changed: the title follows.
    void StatoCambiato();

private:
    // The loan as entered, under its file's name; none where it cannot be
    // saved.
    std::optional<Offerta> Inserita() const;
    // Takes offerta, as opened or saved, for the file at percorso.
    void Tieni(Offerta offerta, const QString& file);

    QWidget* finestra;
    std::function<Offerta()> leggi;
    std::function<void(const Offerta&)> imposta;
    QString percorso;
    Offerta aperta;  // as opened or saved: the name it keeps
};

}  // namespace pianoamm
