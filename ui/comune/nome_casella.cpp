#include "ui/comune/nome_casella.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace pianoamm {

namespace {

const char* const ProprietaNome = "nomeDallaEtichetta";

// A combo box as Qt's own describes it, its name and value apart.
class CasellaConNome : public QAccessibleWidget {
public:
    explicit CasellaConNome(QComboBox* casella) : QAccessibleWidget(casella, QAccessible::ComboBox) {}

    QString text(QAccessible::Text tipo) const override
    {
        return tipo == QAccessible::Value ? Casella()->currentText() : QAccessibleWidget::text(tipo);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& azione) override
    {
        if (azione == showMenuAction())
            Casella()->showPopup();
    }

private:
    QComboBox* Casella() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto)
{
    auto* casella = qobject_cast<QComboBox*>(oggetto);
    if (classe != QLatin1String("QComboBox") || casella == nullptr || !casella->property(ProprietaNome).toBool())
        return nullptr;
    return new CasellaConNome(casella);
}

}  // namespace

void NomeDallaEtichetta(QComboBox* casella)
{
    static const bool Installata = [] {
        QAccessible::installFactory(Fabbrica);
        return true;
    }();
    casella->setProperty(ProprietaNome, Installata);
}

}  // namespace pianoamm
