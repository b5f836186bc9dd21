#include "ui/main/campo_numerico.h"

#include "engine/numeri.h"

#include <QKeyEvent>
#include <QLocale>
#include <QValidator>

#include <algorithm>

namespace {

// Accepts the texts that read as a number of the field within its maximum;
// the minimum is applied when the field is left, so that typing may pass
// through smaller values.
class ValidatoreNumerico : public QValidator {
public:
    ValidatoreNumerico(const CampoNumerico::Formato& formato, QObject* parent) : QValidator(parent), formato_(formato)
    {}

    State validate(QString& testo, int& /*pos*/) const override
    {
        if (testo.isEmpty())
            return Intermediate;
        // Where "." cannot group digits it can only be the decimal mark.
        if (!formato_.raggruppa && formato_.decimali > 0)
            testo.replace(QLatin1Char('.'), QLatin1Char(','));
        const auto valore = pianoamm::LeggiCampoNumerico(testo.toStdString(), formato_.decimali, formato_.raggruppa);
        if (!valore || *valore > formato_.massimo)
            return Invalid;
        return Acceptable;
    }

private:
    CampoNumerico::Formato formato_;
};

}  // namespace

CampoNumerico::CampoNumerico(const Formato& formato, std::optional<double> valoreIniziale, QWidget* parent)
    : QLineEdit(parent), formato_(formato)
{
    setValidator(new ValidatoreNumerico(formato_, this));
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

void CampoNumerico::LeggiTesto()
{
    const auto letto = pianoamm::LeggiCampoNumerico(text().toStdString(), formato_.decimali, formato_.raggruppa);
    valore_ = std::clamp(letto.value_or(formato_.minimo), formato_.minimo, formato_.massimo);
}

void CampoNumerico::keyPressEvent(QKeyEvent* evento)
{
    const QString testo = evento->text();
    if (testo.size() == 1 && testo.at(0).isPrint()) {
        QChar carattere = testo.at(0);
        emit tastoPremuto(carattere);
        if (carattere != testo.at(0)) {
            QKeyEvent sostituto(evento->type(), evento->key(), evento->modifiers(), QString(carattere),
                                evento->isAutoRepeat(), static_cast<ushort>(evento->count()));
            QLineEdit::keyPressEvent(&sostituto);
            return;
        }
    }
    QLineEdit::keyPressEvent(evento);
}

void CampoNumerico::focusOutEvent(QFocusEvent* evento)
{
    // The field's own context menu takes the focus for a moment: the text
    // being edited stays as it is then.
    if (valore_ && evento->reason() != Qt::PopupFocusReason)
        SetValue(*valore_);
    QLineEdit::focusOutEvent(evento);
}
