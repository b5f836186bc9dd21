#include "ui/controlli/invio_bottoni.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace pianoamm {

namespace {

class InvioClicca : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const auto* tasto = static_cast<const QKeyEvent*>(evento);
        const bool invio = (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)
                           && (tasto->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        auto* bottone = qobject_cast<QAbstractButton*>(oggetto);
        if (!invio || !bottone)
            return false;
        // Held down, the key clicks once, as Space does.
        if (!tasto->isAutoRepeat())
            bottone->click();
        return true;
    }
};

}  // namespace

void InvioCliccaIBottoni(QWidget* finestra)
{
    auto* filtro = new InvioClicca(finestra);
    for (QAbstractButton* bottone : finestra->findChildren<QAbstractButton*>()) {
        if (auto* pulsante = qobject_cast<QPushButton*>(bottone))
            pulsante->setAutoDefault(false);
        if (!qobject_cast<QRadioButton*>(bottone) && !qobject_cast<QCheckBox*>(bottone))
            bottone->installEventFilter(filtro);
    }
}

QPushButton* BottoneAzione(QDialogButtonBox* bottoni, const QString& testo, const char* nome)
{
    QPushButton* bottone = bottoni->addButton(testo, QDialogButtonBox::ActionRole);
    bottone->setObjectName(QString::fromLatin1(nome));
    bottone->setAccessibleName(QString(testo).remove(QLatin1Char('&')).remove(QChar(0x2026)));
    return bottone;
}

}  // namespace pianoamm
