#pragma once

// Helpers for the window tests. Modal boxes and menus run event loops of
// their own: each is answered by a step given before it shows, in order.
// One that shows with no step for it ends the run at once, naming it, rather
// than waiting for an answer until the time runs out; only a window with the
// property "prova", which the test itself shows and closes, is let be.

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

inline std::deque<std::function<bool(QWidget*)>> attese;  // false: not the window expected

class Sorvegliante : public QObject {
protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        auto* finestra = qobject_cast<QWidget*>(oggetto);
        if (evento->type() != QEvent::Show || !finestra || !finestra->isWindow() || finestra->property("prova").toBool()
            || (!finestra->isModal() && finestra->windowType() != Qt::Popup))
            return false;
        // Answered from the window's own event loop, once it runs.
        QTimer::singleShot(0, finestra, [finestra, passo = attese.empty() ? nullptr : attese.front()] {
            if (!passo || !passo(finestra))
                qFatal("finestra inattesa: %s «%s»", finestra->metaObject()->className(),
                       qPrintable(finestra->property("text").toString() + finestra->windowTitle()));
        });
        if (!attese.empty())
            attese.pop_front();
        return false;
    }
};

inline void SorvegliaModali()
{
    qApp->installEventFilter(new Sorvegliante);
}
Q_COREAPP_STARTUP_FUNCTION(SorvegliaModali)

template <typename T>
void AlProssimoModale(std::function<void(T*)> azione)
{
    attese.push_back([azione](QWidget* finestra) {
        auto* attesa = qobject_cast<T*>(finestra);
        if (attesa)
            azione(attesa);
        return attesa != nullptr;
    });
}

// False when a step still waits for a window that never showed; the steps
// go, so that none answers a later test's window.
inline bool AtteseCompiute()
{
    const bool compiute = attese.empty();
    attese.clear();
    return compiute;
}

// What a message box showed, filled in once it has been answered.
struct Messaggio {
    bool mostrato = false;
    QString testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButton predefinito = QMessageBox::NoButton;
};

inline void Rispondi(QMessageBox::StandardButton risposta, Messaggio& messaggio)
{
    AlProssimoModale<QMessageBox>([risposta, &messaggio](QMessageBox* box) {
        messaggio = {true, box->text(), box->icon(), box->standardButton(box->defaultButton())};
        box->button(risposta)->click();
    });
}

inline void Scegli(const QString& voce)
{
    AlProssimoModale<QMenu>([voce](QMenu* menu) {
        const auto azioni = menu->actions();
        const auto trovata = std::find_if(azioni.begin(), azioni.end(), [&](auto* a) { return a->text() == voce; });
        menu->close();
        QVERIFY2(trovata != azioni.end(), qPrintable(voce));
        (*trovata)->trigger();
    });
}

// A test's _data as the rows of a table of cases, which the test takes with
// Caso(tabella).
template <typename Tabella>
void Casi(const Tabella& tabella)
{
    QTest::addColumn<int>("caso");
    for (int i = 0; i < static_cast<int>(std::size(tabella)); ++i)
        QTest::addRow("%d", i) << i;
}
template <typename Tabella>
const auto& Caso(const Tabella& tabella)
{
    return tabella[*static_cast<const int*>(QTest::qData("caso", QMetaType::Int))];
}
