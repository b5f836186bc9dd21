#include "ui/pagine/cornice_pagina.h"

#include "ui/comune/aspetto.h"
#include "ui/comune/twips.h"

#include <QIcon>
#include <QLabel>

namespace pianoamm {

CornicePagina::CornicePagina(const QString& titolo, const QString& spiegazione, const QString& icona, int sinistraIcona,
                             QWidget* pagina)
    : QGroupBox(titolo, pagina)
{
    const Twips tw(logicalDpiX());
    setGeometry(tw(225, 750, 9225, 5025));

    auto* testo = new QLabel(spiegazione, this);
    testo->setGeometry(tw(195, 3570, 8835, 1065));
    testo->setWordWrap(true);
    testo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    testo->setFont(CarattereDialogo(9.75));
    ColoreTesto(testo, QColor(0x00, 0x00, 0xFF));

    auto* figura = new QLabel(this);
    figura->setGeometry(tw(sinistraIcona, 285, 480, 480));
    figura->setPixmap(QIcon(icona).pixmap(QSize(tw(480), tw(480))));
}

}  // namespace pianoamm
