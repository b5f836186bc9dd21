#include "ui/controlli/campo_numerico.h"

#include "engine/formato.h"
#include "engine/numeri.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMetaMethod>
#include <QToolTip>

#include <algorithm>
#include <cctype>
#include <limits>
#include <utility>

namespace pianoamm {

namespace {

bool Modificatore(int tasto)
{
    return tasto == Qt::Key_Shift || tasto == Qt::Key_Control || tasto == Qt::Key_Alt || tasto == Qt::Key_AltGr
           || tasto == Qt::Key_Meta || tasto == Qt::Key_CapsLock || tasto == Qt::Key_NumLock;
}

bool MarcaDecimale(QChar carattere)
{
    return carattere == QLatin1Char('.') || carattere == QLatin1Char(',');
}

}  // namespace

class CampoNumerico::Validatore : public QValidator {
public:
    explicit Validatore(CampoNumerico* campoValidato) : QValidator(campoValidato), campo(campoValidato) {}

    State validate(QString& testo, int& pos) const override { return campo->Valida(testo, pos); }

private:
    CampoNumerico* campo;
};

CampoNumerico::CampoNumerico(const pianoamm::Limite& limiteCampo, bool gruppi, QWidget* parent)
    : QLineEdit(parent), limite(limiteCampo), raggruppa(gruppi), valore(limiteCampo.minimo)
{
    setValidator(new Validatore(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &CampoNumerico::Ricorda);
    connect(this, &QLineEdit::selectionChanged, this, &CampoNumerico::Ricorda);
    connect(this, &QLineEdit::cursorPositionChanged, this, &CampoNumerico::Ricorda);
    ImpostaValore(valore);
    connect(this, &QLineEdit::textEdited, this, &CampoNumerico::LeggiTesto);
}

void CampoNumerico::ImpostaValore(double nuovo)
{
    const bool cambiato = nuovo != valore;
    valore = nuovo;
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    if (!raggruppa)
        italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    setText(italiano.toString(valore, 'f', limite.decimali));
    if (cambiato) {
        // Another value, as a combo's list gives it: the last refusal is past.
        emit Motivo(QString());
        emit ValoreCambiato();
    }
}

// Accepts the texts that read as a number of the field within its maximum;
// the minimum is applied when the field is left, so that typing may pass
// through smaller values.
QValidator::State CampoNumerico::ValidaTesto(QString& testo) const
{
    if (testo.isEmpty())
        return QValidator::Intermediate;
    // Where "." cannot group digits it can only be the decimal mark.
    if (!raggruppa && limite.decimali > 0)
        testo.replace(QLatin1Char('.'), QLatin1Char(','));
    const auto letto = pianoamm::LeggiCampoNumerico(testo.toStdString(), limite.decimali, raggruppa);
    if (!letto || *letto > limite.massimo)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

void CampoNumerico::Ricorda()
{
    // Called after every change, never between an edit and its validation.
    testoPrima = text();
    inizioPrima = hasSelectedText() ? selectionStart() : cursorPosition();
    decimaliRifiutati = false;
}

QValidator::State CampoNumerico::Valida(QString& testo, int& pos)
{
    // What an edit put in ends at the cursor and starts where the selection
    // or the cursor was; the text around it is what was there before. A text
    // the program sets comes with an empty undo history, and an undo or redo
    // leaves something to redo or moves the cursor first: neither is taken
    // for text put in.
    const auto prima = QStringView(testoPrima);
    const int inizio = inizioPrima;
    const int ripresa = static_cast<int>(prima.size() - (testo.size() - pos));
    const bool inserito = isUndoAvailable() && !isRedoAvailable() && testo != testoPrima && inizio < pos
                          && inizio <= ripresa && QStringView(testo).left(inizio) == prima.left(inizio)
                          && QStringView(testo).mid(pos) == prima.mid(ripresa);
    const std::string pezzo = inserito ? testo.mid(inizio, pos - inizio).toStdString() : std::string();
    if (limite.decimali == 0 && (pezzo == "." || pezzo == ",")) {
        Rifiuta(Rifiuto::Decimali);
        return QValidator::Invalid;
    }
    // One character is typing, also where an input method types it.
    if (pezzo.size() <= 1) {
        const auto stato = ValidaTesto(testo);
        // A text the program or a combo's list puts in is no key refused.
        if (stato == QValidator::Invalid && testo != testoPrima && isUndoAvailable())
            Rifiuta(Oltre(testo) ? Rifiuto::Massimo : Rifiuto::Carattere);
        return stato;
    }

    const auto letto = pianoamm::LeggiPezzoIncollato(pezzo, limite.decimali);
    if (!letto) {
        // The whole-number field (the count of installments) says why when the
        // piece has decimals.
        const auto conDecimali = pianoamm::LeggiPezzoIncollato(pezzo, std::numeric_limits<int>::max());
        Rifiuta(limite.decimali == 0 && conDecimali && conDecimali->find(',') != std::string::npos
                    ? Rifiuto::Decimali
                    : Rifiuto::Carattere);
        return QValidator::Invalid;
    }
    const QString semplice = QString::fromStdString(*letto);
    QString nuovo = testo.left(inizio) + semplice + testo.mid(pos);
    const auto stato = ValidaTesto(nuovo);
    if (stato == QValidator::Invalid) {
        Rifiuta(Oltre(nuovo) ? Rifiuto::Massimo : Rifiuto::Carattere);
        return stato;
    }
    testo = nuovo;
    pos = inizio + static_cast<int>(semplice.size());
    return stato;
}

void CampoNumerico::Rifiuta(Rifiuto rifiuto)
{
    QApplication::beep();
    std::string oggetto(limite.oggetto);
    oggetto[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(oggetto[0])));
    QString perche;
    switch (rifiuto) {
    case Rifiuto::Decimali:
        perche = QString::fromStdString(oggetto) + QStringLiteral(" è un numero intero, senza decimali.");
        break;
    case Rifiuto::Massimo:
        perche = QString::fromStdString(pianoamm::FuoriLimite(limite));
        break;
    case Rifiuto::Carattere:
        perche = limite.decimali == 0
                     ? QStringLiteral("Qui si scrivono solo cifre.")
                     : QStringLiteral("Qui si scrivono solo cifre, con la virgola prima di al massimo %1 "
                                      "decimali.")
                           .arg(limite.decimali == 2 ? QStringLiteral("due") : QString::number(limite.decimali));
        break;
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&CampoNumerico::Motivo)))
        emit Motivo(perche);
    else if (rifiuto == Rifiuto::Decimali)
        QToolTip::showText(mapToGlobal(rect().bottomLeft()), perche, this);
}

bool CampoNumerico::Oltre(const QString& testo) const
{
    const auto letto = pianoamm::LeggiCampoNumerico(testo.toStdString(), limite.decimali, raggruppa);
    return letto && *letto > limite.massimo;
}

void CampoNumerico::Conferma()
{
    const auto letto = pianoamm::LeggiCampoNumerico(text().toStdString(), limite.decimali, raggruppa);
    // An emptied field of a least value of nought is simply nought.
    if ((letto && *letto < limite.minimo) || (!letto && limite.minimo > 0)) {
        std::string perche = pianoamm::FuoriLimite(limite);
        perche.back() = ':';
        emit Motivo(QString::fromStdString(perche) + QStringLiteral(" vale ")
                    + QString::fromStdString(pianoamm::FormatoDecimali(limite.minimo, limite.decimali, raggruppa))
                    + QLatin1Char('.'));
    }
    ImpostaValore(valore);
}

void CampoNumerico::LeggiTesto()
{
    const auto letto = pianoamm::LeggiCampoNumerico(text().toStdString(), limite.decimali, raggruppa);
    const double nuovo = std::clamp(letto.value_or(limite.minimo), limite.minimo, limite.massimo);
    emit Motivo(QString());
    if (std::exchange(valore, nuovo) != nuovo)
        emit ValoreCambiato();
}

void CampoNumerico::keyPressEvent(QKeyEvent* evento)
{
    const QString testo = evento->text();
    if (testo.size() != 1 || !testo.at(0).isPrint()) {
        if (!Modificatore(evento->key()))
            decimaliRifiutati = false;
        // Return confirms the field as leaving it does, then goes on to
        // the window (a dialog's OK).
        if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
            Conferma();
        QLineEdit::keyPressEvent(evento);
        return;
    }
    // A decimal mark in a whole number is refused, and so are the decimals
    // typed right after it: "12.5" gives 12, not 125.
    if (limite.decimali == 0 && (MarcaDecimale(testo.at(0)) || (decimaliRifiutati && testo.at(0).isDigit()))) {
        Rifiuta(Rifiuto::Decimali);
        decimaliRifiutati = true;
        return;
    }
    decimaliRifiutati = false;
    // People type "." for the decimal mark too, the keypad's key among
    // them; in the amount it would otherwise group digits.
    if (limite.decimali > 0 && testo.at(0) == QLatin1Char('.')) {
        QKeyEvent virgola(evento->type(), evento->key(), evento->modifiers(), QStringLiteral(","),
                          evento->isAutoRepeat(), static_cast<ushort>(evento->count()));
        QLineEdit::keyPressEvent(&virgola);
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

void CampoNumerico::focusOutEvent(QFocusEvent* evento)
{
    decimaliRifiutati = false;
    // The field's own context menu takes the focus for a moment: the text
    // being edited stays as it is then.
    if (evento->reason() != Qt::PopupFocusReason)
        Conferma();
    QLineEdit::focusOutEvent(evento);
}

}  // namespace pianoamm
