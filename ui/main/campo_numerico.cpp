#include "ui/main/campo_numerico.h"

#include "engine/numeri.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace {

// Accepts the texts that read as a number of the field within its maximum;
// the minimum is applied when the field is left, so that typing may pass
// through smaller values.
QValidator::State ValidaTesto(QString& testo, const CampoNumerico::Formato& formato)
{
    if (testo.isEmpty())
        return QValidator::Intermediate;
    // Where "." cannot group digits it can only be the decimal mark.
    if (!formato.raggruppa && formato.decimali > 0)
        testo.replace(QLatin1Char('.'), QLatin1Char(','));
    const auto valore = pianoamm::LeggiCampoNumerico(testo.toStdString(), formato.decimali, formato.raggruppa);
    if (!valore || *valore > formato.massimo)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

bool Modificatore(int tasto)
{
    return tasto == Qt::Key_Shift || tasto == Qt::Key_Control || tasto == Qt::Key_Alt || tasto == Qt::Key_AltGr
           || tasto == Qt::Key_Meta || tasto == Qt::Key_CapsLock || tasto == Qt::Key_NumLock;
}

}  // namespace

class CampoNumerico::Validatore : public QValidator {
public:
    explicit Validatore(CampoNumerico* campo) : QValidator(campo), campo_(campo) {}

    State validate(QString& testo, int& pos) const override { return campo_->Valida(testo, pos); }

private:
    CampoNumerico* campo_;
};

CampoNumerico::CampoNumerico(const Formato& formato, std::optional<double> valoreIniziale, QWidget* parent)
    : QLineEdit(parent), formato_(formato)
{
    setValidator(new Validatore(this));
    connect(this, &QLineEdit::textChanged, this, &CampoNumerico::Ricorda);
    connect(this, &QLineEdit::selectionChanged, this, &CampoNumerico::Ricorda);
    connect(this, &QLineEdit::cursorPositionChanged, this, &CampoNumerico::Ricorda);
    if (valoreIniziale)
        SetValue(*valoreIniziale);
    connect(this, &QLineEdit::textEdited, this, &CampoNumerico::LeggiTesto);
}

QString CampoNumerico::Testo(double valore, const Formato& formato)
{
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    if (!formato.raggruppa)
        italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    return italiano.toString(valore, 'f', formato.decimali);
}

void CampoNumerico::SetValue(double valore)
{
    valore_ = valore;
    setText(Testo(valore, formato_));
}

void CampoNumerico::Ricorda()
{
    // Called after every change, never between an edit and its validation.
    testoPrima_ = text();
    inizioPrima_ = hasSelectedText() ? selectionStart() : cursorPosition();
    decimaliRifiutati_ = false;
}

QValidator::State CampoNumerico::Valida(QString& testo, int& pos)
{
    // What an edit put in ends at the cursor and starts where the selection
    // or the cursor was; the text around it is what was there before. A text
    // the program sets comes with an empty undo history, and an undo or redo
    // leaves something to redo or moves the cursor first: neither is taken
    // for text put in.
    const auto prima = QStringView(testoPrima_);
    const int inizio = inizioPrima_;
    const int ripresa = static_cast<int>(prima.size() - (testo.size() - pos));
    const bool inserito = isUndoAvailable() && !isRedoAvailable() && testo != testoPrima_ && inizio < pos
                          && inizio <= ripresa && QStringView(testo).left(inizio) == prima.left(inizio)
                          && QStringView(testo).mid(pos) == prima.mid(ripresa);
    const std::string pezzo = inserito ? testo.mid(inizio, pos - inizio).toStdString() : std::string();
    const bool marca = pezzo == "." || pezzo == ",";
    if (formato_.decimali == 0 && marca) {
        Rifiuta(true);
        return QValidator::Invalid;
    }
    // One character is typing, also where an input method types it.
    if (pezzo.size() <= 1)
        return ValidaTesto(testo, formato_);

    const auto letto = pianoamm::LeggiPezzoIncollato(pezzo, formato_.decimali);
    if (!letto) {
        // The whole-number field (the count of installments) says why when the
        // piece has decimals.
        const auto conDecimali = pianoamm::LeggiPezzoIncollato(pezzo, std::numeric_limits<int>::max());
        Rifiuta(formato_.decimali == 0 && conDecimali && conDecimali->find(',') != std::string::npos);
        return QValidator::Invalid;
    }
    const QString semplice = QString::fromStdString(*letto);
    QString nuovo = testo.left(inizio) + semplice + testo.mid(pos);
    const auto stato = ValidaTesto(nuovo, formato_);
    if (stato == QValidator::Invalid) {
        Rifiuta(false);
        return stato;
    }
    testo = nuovo;
    pos = inizio + static_cast<int>(semplice.size());
    return stato;
}

void CampoNumerico::Rifiuta(bool decimale)
{
    QApplication::beep();
    if (decimale)
        QToolTip::showText(mapToGlobal(rect().bottomLeft()),
                           QStringLiteral("Il numero delle rate è un numero intero, senza decimali."), this);
}

void CampoNumerico::LeggiTesto()
{
    const auto letto = pianoamm::LeggiCampoNumerico(text().toStdString(), formato_.decimali, formato_.raggruppa);
    valore_ = std::clamp(letto.value_or(formato_.minimo), formato_.minimo, formato_.massimo);
}

void CampoNumerico::keyPressEvent(QKeyEvent* evento)
{
    const QString testo = evento->text();
    if (testo.size() != 1 || !testo.at(0).isPrint()) {
        if (!Modificatore(evento->key()))
            decimaliRifiutati_ = false;
        QLineEdit::keyPressEvent(evento);
        return;
    }
    QChar carattere = testo.at(0);
    emit tastoPremuto(carattere);
    // A decimal mark in a whole number is refused, and so are the decimals
    // typed right after it: "12.5" gives 12, not 125.
    const bool marca = carattere == QLatin1Char('.') || carattere == QLatin1Char(',');
    if (formato_.decimali == 0 && (marca || (decimaliRifiutati_ && carattere.isDigit()))) {
        Rifiuta(true);
        decimaliRifiutati_ = true;
        return;
    }
    decimaliRifiutati_ = false;
    if (carattere != testo.at(0)) {
        QKeyEvent sostituto(evento->type(), evento->key(), evento->modifiers(), QString(carattere),
                            evento->isAutoRepeat(), static_cast<ushort>(evento->count()));
        QLineEdit::keyPressEvent(&sostituto);
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

void CampoNumerico::focusOutEvent(QFocusEvent* evento)
{
    decimaliRifiutati_ = false;
    // The field's own context menu takes the focus for a moment: the text
    // being edited stays as it is then.
    if (valore_ && evento->reason() != Qt::PopupFocusReason)
        SetValue(*valore_);
    QLineEdit::focusOutEvent(evento);
}
