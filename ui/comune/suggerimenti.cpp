#include "ui/comune/suggerimenti.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

namespace pianoamm {

namespace {

// The plain text a tip event would show at its place: the widget's own, or
// that of the cell or heading under the mouse.
QString TestoDelSuggerimento(QObject* oggetto, const QPoint& punto)
{
    auto* vista = oggetto->parent() != nullptr ? qobject_cast<QAbstractItemView*>(oggetto->parent()) : nullptr;
    if (vista != nullptr && vista->viewport() == oggetto && vista->model() != nullptr) {
        if (auto* intestazione = qobject_cast<QHeaderView*>(vista)) {
            const int sezione = intestazione->logicalIndexAt(punto);
            return sezione < 0
                       ? QString()
                       : vista->model()->headerData(sezione, intestazione->orientation(), Qt::ToolTipRole).toString();
        }
        return vista->indexAt(punto).data(Qt::ToolTipRole).toString();
    }
    const auto* controllo = qobject_cast<QWidget*>(oggetto);
    return controllo != nullptr ? controllo->toolTip() : QString();
}

class Suggerimenti : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() != QEvent::ToolTip)
            return false;
        const auto* aiuto = static_cast<QHelpEvent*>(evento);
        const QString testo = TestoDelSuggerimento(oggetto, aiuto->pos());
        if (testo.isEmpty())
            return false;
        // Rich text, which a tip wraps; the text itself escaped.
        QToolTip::showText(aiuto->globalPos(), Qt::convertFromPlainText(testo, Qt::WhiteSpaceNormal),
                           static_cast<QWidget*>(oggetto));
        return true;
    }
};

}  // namespace

void SuggerimentiACapo()
{
    const QString nome = QStringLiteral("suggerimentiACapo");
    if (qApp == nullptr || qApp->findChild<QObject*>(nome, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* filtro = new Suggerimenti(qApp);
    filtro->setObjectName(nome);
    qApp->installEventFilter(filtro);
}

}  // namespace pianoamm
