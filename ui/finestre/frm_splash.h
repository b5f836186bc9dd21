#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QTimer;

namespace pianoamm {

// The picture shown from the program's start, modally, centred on the
// primary screen, while the main window is made. It closes itself after a
// moment, or at once at a left click or a key that types a character; Shift
// with the right button shows the tag text.
class FrmSplash : public QDialog {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget* parent = nullptr);

    // Returns at once when the picture was already closed.
    int exec() override;
    // Once closed, by time or by the user, it never shows again.
    void setVisible(bool visibile) override;
    void done(int risultato) override;

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void TempoScaduto();

    QPixmap immagine;
    QString etichetta;
    QTimer* timer;
    bool etichettaAperta = false;
    bool scadutoConEtichetta = false;
    bool chiusa = false;
};

}  // namespace pianoamm
