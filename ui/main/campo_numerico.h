#pragma once

#include <QLineEdit>
#include <QValidator>

#include <optional>

// A line edit that holds a number: shown in the Italian pattern of its field
// ("100.000,00"), edited in the same pattern, kept within its range. It
// refuses keys that cannot make a number, or that would pass the maximum; a
// value under the minimum, or an emptied field, becomes the minimum as the
// field is left. Text put in at once (pasted, dropped) is read as a number
// written the way people write it, "1.234,56" or "1234.56", or refused whole
// with a beep. A whole-number field refuses a decimal mark with a beep and a
// tip saying why.
class CampoNumerico : public QLineEdit {
    Q_OBJECT

public:
    struct Formato {
        int decimali = 0;
        bool raggruppa = false;  // "." between groups of three digits
        double minimo = 0;
        double massimo = 0;
    };

    CampoNumerico(const Formato& formato, std::optional<double> valoreIniziale, QWidget* parent);

    // The number held; none only for a field that was never given one.
    std::optional<double> Value() const { return valore_; }
    // Holds any value it is given, in range or not: the range binds the user.
    void SetValue(double valore);

    static QString Testo(double valore, const Formato& formato);

signals:
    // The character of a key press, before the field takes it; a handler may
    // replace it.
    void tastoPremuto(QChar& carattere);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    class Validatore;

    QValidator::State Valida(QString& testo, int& pos);
    void Rifiuta(bool decimale);
    void Ricorda();
    void LeggiTesto();

    Formato formato_;
    std::optional<double> valore_;
    // The text and where its selection, or else the cursor, began, as they
    // stood before the edit being validated.
    QString testoPrima_;
    int inizioPrima_ = 0;
    bool decimaliRifiutati_ = false;
};
