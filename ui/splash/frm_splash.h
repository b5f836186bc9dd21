#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QTimer;

// The picture shown at start, modally, centred on the primary screen, before
// the main window appears. It closes itself after a moment, or at once at a
// left click or a key that types a character; Shift with the right button
// shows the tag text.
class frmSplash : public QDialog {
    Q_OBJECT

public:
    static constexpr int Durata = 1500;  // milliseconds

    explicit frmSplash(QWidget* parent = nullptr);

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
    void Timer1_Timer();

    QPixmap immagine_;
    QString etichetta_;
    QTimer* Timer1;
    bool etichettaAperta_ = false;
    bool tempoScaduto_ = false;
    bool chiusa_ = false;
};
