#pragma once

#include <QLineEdit>

#include <optional>

// A line edit that holds a number: shown in the Italian pattern of its field
// ("100.000,00"), edited in the same pattern, kept within its range. It
// refuses keys and pasted text that cannot make a number, or that would pass
// the maximum; a value under the minimum, or an emptied field, becomes the
// minimum as the field is left.
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
    void LeggiTesto();

    Formato formato_;
    std::optional<double> valore_;
};
