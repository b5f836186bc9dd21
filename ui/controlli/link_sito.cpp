#include "ui/controlli/link_sito.h"

#include "ui/comune/aspetto.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace pianoamm {

void ApriSito()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(IndirizzoSito)));
}

LinkSito::LinkSito(QWidget* parent)
    : QLabel(QString::fromLatin1(IndirizzoSito) + QStringLiteral(" - Software Gestionale"), parent)
{
    ColoreTesto(this, QColor(0xC0, 0x00, 0x00));
    setCursor(Qt::PointingHandCursor);
}

void LinkSito::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton)
        ApriSito();
    else
        QLabel::mouseReleaseEvent(evento);
}

}  // namespace pianoamm
