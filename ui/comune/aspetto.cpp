#include "ui/comune/aspetto.h"

#include "engine/formato.h"
#include "print/testo_qt.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace pianoamm {

QFont CarattereDialogo(qreal punti)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(punti);
    return font;
}

void ColoreTesto(QWidget* controllo, const QColor& colore)
{
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    controllo->setPalette(tavolozza);
}

void SegnaNonValido(QWidget* campo, bool valido, const QString& perche)
{
    QPalette tavolozza = campo->palette();
    const QWidget* sotto = campo->parentWidget() != nullptr ? campo->parentWidget() : campo;
    tavolozza.setColor(QPalette::Text, valido ? sotto->palette().color(QPalette::Text) : QColor(0xC0, 0x00, 0x00));
    campo->setPalette(tavolozza);
    campo->setToolTip(valido ? QString() : perche);
}

QLineEdit* CampoDiLettura(QWidget* genitore, const QString& oggetto, const QString& nome)
{
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(oggetto);
    campo->setAccessibleName(nome);
    campo->setReadOnly(true);
    campo->setAlignment(Qt::AlignRight);
    return campo;
}

QString DueDecimali(double valore)
{
    return TestoQt(FormatoDecimali(valore, 2, true));
}

}  // namespace pianoamm
