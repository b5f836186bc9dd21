#pragma once

// The loan as a file: which file the window shows, the files opened of late,
// and the question before anything entered could be lost. Every failure is
// told over the window; nothing is thrown.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace pianoamm {

class ModelloOfferta;
struct Offerta;

// Asks where to save a loan, first offering iniziale, a bare name in the
// folder last used for loans: the file chosen, its extension added where
// it has none, or empty when cancelled.
QString ChiediFileMutuo(QWidget* finestra, const QString& titolo, const QString& iniziale);

// Writes offerta to file as a loan file, only where reading it would give
// it back; false, the reason told over finestra, when not written.
bool ScriviMutuo(QWidget* finestra, const QString& file, const Offerta& offerta);

class Documento : public QObject {
    Q_OBJECT

public:
    // Opens into modello and saves what it holds.
    Documento(QWidget* padre, ModelloOfferta* modello);

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

    QString Percorso() const { return percorso; }
    // The offer's name, as its file has it.
    const std::string& Nome() const;
    // The last five files opened or saved, the latest first.
    QStringList Recenti() const;
    // Apri…, Salva, Salva con nome… and the Recenti submenu.
    void AggiungiVoci(QMenu* menu);

signals:
    // Another file is the window's: the title follows.
    void StatoCambiato();
    // A file's loan has taken the place of what was entered.
    void Aperto();
    // What was entered is in a file, maybe under another name.
    void Salvato();

private:
    // Takes file as the one the window shows.
    void Tieni(const QString& file);

    QWidget* finestra;
    ModelloOfferta* offerta;
    QString percorso;
};

}  // namespace pianoamm
