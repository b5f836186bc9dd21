#include "ui/comune/messaggi.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

namespace pianoamm {

namespace {

// Before a box lays itself out for showing, its texts are made plain. A
// text narrower than the title is given the room the title needs beside the
// title bar's buttons, and the box's width follows; a longer one is left to
// the box, which wraps it whole within the screen (a minimum width of the
// label's own would keep it from wrapping and cut it instead).
class FormaMessaggi : public QObject {
public:
    explicit FormaMessaggi(QObject* padre) : QObject(padre) { setObjectName(QStringLiteral("formaMessaggi")); }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* box = evento->type() == QEvent::Show ? qobject_cast<QMessageBox*>(oggetto) : nullptr;
        auto* testo = box != nullptr ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
        if (testo != nullptr) {
            box->setTextFormat(Qt::PlainText);
            if (auto* altro = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
                altro->setTextFormat(Qt::PlainText);
            QFont grassetto = box->font();
            grassetto.setBold(true);
            const int bottoni = 4 * box->style()->pixelMetric(QStyle::PM_TitleBarButtonSize, nullptr, box);
            const int titolo = QFontMetrics(grassetto).horizontalAdvance(box->windowTitle()) + bottoni;
            testo->setWordWrap(false);
            testo->setMinimumWidth(testo->sizeHint().width() < titolo ? titolo : 0);
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

}  // namespace

void PreparaMessaggi()
{
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (applicazione->findChild<FormaMessaggi*>(QStringLiteral("formaMessaggi"), Qt::FindDirectChildrenOnly) == nullptr)
        applicazione->installEventFilter(new FormaMessaggi(applicazione));
}

}  // namespace pianoamm
