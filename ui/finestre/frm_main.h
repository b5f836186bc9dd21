#pragma once

#include <QWidget>

class QMenu;
class QPushButton;
class QStackedWidget;

namespace pianoamm {

class Documento;
class ModelloOfferta;
class PaginaCadenza;
class PaginaDati;
class PaginaRisultato;
class Twips;

// The program's working window: a three-page wizard (the loan's data, the
// payment frequency, the plan) walked only with Avanti and Indietro; reaching
// the plan computes it anew. Closing by Chiudi, or Escape, asks first. The
// loan with everything entered about it is a file (Ctrl+O, Ctrl+S,
// Ctrl+Shift+S on every page), compared with others' offers; leaving with
// changes not saved asks whether to save them.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);
    // Shows the file's loan on the results page; false, with the reason
    // told, for a file refused.
    bool ApriFile(const QString& percorso);
    Documento* File() const { return documento; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaPagine(const Twips& tw);
    void CreaBottoni(const Twips& tw);
    void Avanti();
    void Indietro();
    void Chiudi();
    void AggiornaBottoni();
    void CreaDocumento();
    // A file's loan, on the results page.
    void MostraAperto();
    void VociFile(QMenu* menu);
    void ConfrontaOfferte();
    void VerificaBanca();
    void AggiornaTitolo();

    QStackedWidget* stkPagine;
    PaginaDati* pagDati;
    PaginaCadenza* pagCadenza;
    PaginaRisultato* pagRisultato;
    QPushButton* cmdChiudi;
    QPushButton* cmdAvanti;
    QPushButton* cmdIndietro;
    ModelloOfferta* offerta;
    Documento* documento = nullptr;
    // Chiudi asked already: the close that follows asks nothing more.
    bool chiusuraConfermata = false;
};

}  // namespace pianoamm
