#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace pianoamm {

class MotivoCampo;
class TestoGuida;

// F1 in the window, or in any of its parts, opens the guide at the page
// named (a page of docs/guida, without ".md"); a part's own page, where the
// focus or the part on show has one, comes before its window's.
void ConGuida(QWidget* parte, const QString& pagina);

// The user's guide, inside the program, whatever the system keeps of its
// documentation: the contents, the page, back and forward through the pages
// seen, and a search in the page (Ctrl+F, then F3 and Shift+F3). One for
// the program: F1 again brings it forward at the page asked, beside the
// window it was asked from. Over a window that waits for an answer it opens
// as that window's own, as the wait would otherwise keep it from the mouse
// and the keyboard.
class DlgGuida : public QDialog {
    Q_OBJECT

public:
    static DlgGuida* Apri(QWidget* da, const QString& pagina);
    // The page on show, as ConGuida names it.
    QString Pagina() const;

private:
    explicit DlgGuida(QWidget* parent);
    void Mostra(const QString& pagina);
    QWidget* CreaComandi();
    void CreaIndice();
    void SeguiPagina(const QUrl& indirizzo);
    void Trova(bool indietro);

    QListWidget* lstIndice;
    TestoGuida* txtGuida;
    QLineEdit* txtTrova;
    MotivoCampo* lblMotivoTrova;
    QPushButton* cmdIndietro;
    QPushButton* cmdAvanti;
};

}  // namespace pianoamm
