#include "ui/comune/messaggi.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

namespace pianoamm {

namespace {

// Before a box lays itself out for showing, its text is given the room the
// title needs beside the title bar's buttons: the box's width follows.
class LarghezzaMessaggi : public QObject {
public:
    explicit LarghezzaMessaggi(QObject* padre) : QObject(padre) { setObjectName(QStringLiteral("larghezzaMessaggi")); }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* box = evento->type() == QEvent::Show ? qobject_cast<QMessageBox*>(oggetto) : nullptr;
        auto* testo = box != nullptr ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
        if (testo != nullptr) {
            QFont grassetto = box->font();
            grassetto.setBold(true);
            const int bottoni = 4 * box->style()->pixelMetric(QStyle::PM_TitleBarButtonSize, nullptr, box);
            testo->setMinimumWidth(QFontMetrics(grassetto).horizontalAdvance(box->windowTitle()) + bottoni);
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

}  // namespace

void AllargaMessaggi()
{
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (applicazione->findChild<LarghezzaMessaggi*>(QStringLiteral("larghezzaMessaggi"), Qt::FindDirectChildrenOnly)
        == nullptr)
        applicazione->installEventFilter(new LarghezzaMessaggi(applicazione));
}

}  // namespace pianoamm
