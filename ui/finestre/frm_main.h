#pragma once

#include <QWidget>

class QPushButton;
class QStackedWidget;

namespace pianoamm {

class PaginaCadenza;
class PaginaDati;
class PaginaRisultato;
class Twips;

// The program's working window: a three-page wizard (the loan's data, the
// payment frequency, the plan) walked only with Avanti and Indietro; reaching
// the plan computes it anew. Closing by Chiudi, or Escape, asks first.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    explicit FrmMain(QWidget* parent = nullptr);

private:
    void CreaPagine(const Twips& tw);
    void CreaBottoni(const Twips& tw);
    void Avanti();
    void Indietro();
    void Chiudi();
    void AggiornaBottoni();

    QStackedWidget* stkPagine;
    PaginaDati* pagDati;
    PaginaCadenza* pagCadenza;
    PaginaRisultato* pagRisultato;
    QPushButton* cmdChiudi;
    QPushButton* cmdAvanti;
    QPushButton* cmdIndietro;
};

}  // namespace pianoamm
