#include "ui/controlli/motivo_campo.h"

#include "ui/controlli/campo_numerico.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFormLayout>

namespace pianoamm {

namespace {

// A label announces itself as an alert: screen readers speak an alert as it
// appears, which no other role of a plain label makes them do.
class AccessibileMotivo : public QAccessibleWidget {
public:
    explicit AccessibileMotivo(QWidget* motivo) : QAccessibleWidget(motivo, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text tipo) const override
    {
        if (tipo == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(tipo);
    }
};

QAccessibleInterface* Accessibile(const QString& classe, QObject* oggetto)
{
    if (classe == QLatin1String(MotivoCampo::staticMetaObject.className()) && oggetto != nullptr
        && oggetto->isWidgetType())
        return new AccessibileMotivo(static_cast<QWidget*>(oggetto));
    return nullptr;
}

}  // namespace

MotivoCampo::MotivoCampo(QWidget* parent, QFormLayout* modulo) : QLabel(parent), riga(modulo)
{
    // Once for the program: the factory outlives every label.
    [[maybe_unused]] static const bool Registrato = [] {
        QAccessible::installFactory(Accessibile);
        return true;
    }();
    setObjectName(QStringLiteral("lblMotivo"));
    setWordWrap(true);
    // A reason may quote what the user typed: text, never markup.
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setStyleSheet(QStringLiteral("color: #b00000"));
    hide();
}

void MotivoCampo::Mostra(const QString& motivo)
{
    if (motivo == text() && isVisibleTo(parentWidget()) == !motivo.isEmpty())
        return;
    setText(motivo);
    if (riga != nullptr)
        riga->setRowVisible(this, !motivo.isEmpty());
    else
        setVisible(!motivo.isEmpty());
    if (!motivo.isEmpty()) {
        QAccessibleEvent avviso(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&avviso);
    }
}

MotivoCampo* RigaMotivo(QFormLayout* modulo)
{
    auto* motivo = new MotivoCampo(modulo->parentWidget(), modulo);
    modulo->addRow(motivo);
    modulo->setRowVisible(motivo, false);
    return motivo;
}

MotivoCampo* RigaConMotivo(QFormLayout* modulo, const QString& etichetta, CampoNumerico* campo, QWidget* contenitore)
{
    modulo->addRow(etichetta, contenitore != nullptr ? contenitore : campo);
    auto* motivo = RigaMotivo(modulo);
    // Named after its field: txtQuota's is lblMotivoQuota.
    QString nome = campo->objectName();
    motivo->setObjectName(nome.startsWith(QLatin1String("txt")) ? nome.replace(0, 3, QStringLiteral("lblMotivo"))
                                                                : QStringLiteral("lblMotivo") + nome);
    QObject::connect(campo, &CampoNumerico::Motivo, motivo, &MotivoCampo::Mostra);
    return motivo;
}

}  // namespace pianoamm
