#pragma once

#include "file/tabella_banca.h"
#include "file/verifica_banca.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDialogButtonBox;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pianoamm {

class ModelloTabella;
class MotivoCampo;

// The plan a bank attached to a contract, read from a file or pasted from
// a PDF viewer or a spreadsheet, checked against this program's: the terms
// that give it back, the result and the totals' differences, then the
// bank's rows beside the program's with the cells apart marked, the first
// of them in sight. Copies, prints, saves as PDF and exports as CSV the
// check; "Usa questi dati" hands the loan found to the wizard. Not modal,
// so that the listing stays at hand; it deletes itself when closed.
class DlgVerifica : public QDialog {
    Q_OBJECT

public:
    explicit DlgVerifica(QWidget* parent);

    // The table in testo, as pasted; a table that cannot be read or
    // checked leaves the last check shown and tells why beside the buttons.
    void Incolla(const QString& testo);

signals:
    // The loan found, with the plan's terms, for the wizard.
    void Usa(const pianoamm::Mutuo& mutuo);

private:
    QLayout* CreaComandi();
    QDialogButtonBox* CreaBottoni();
    void ScegliFile();
    // Reads and checks with leggi; ErrorePiano's reason is told.
    void Leggi(const std::function<pianoamm::TabellaBanca()>& leggi);
    void Mostra();
    void Allarga();
    // The check's text then the rows side by side, a line each.
    QStringList Righe() const;
    void Copia() const;

    std::optional<pianoamm::TabellaBanca> tabella;
    std::optional<pianoamm::Verifica> verifica;
    MotivoCampo* lblMotivo;  // why the last table was not taken
    QPlainTextEdit* txtEsito;
    QTableView* grdAffiancate;
    ModelloTabella* modelloAffiancate;
    // Copy, print, PDF, CSV and the loan to the wizard: only with a check.
    std::vector<QPushButton*> cmdRisultato;
};

}  // namespace pianoamm
