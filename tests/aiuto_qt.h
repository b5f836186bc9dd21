#pragma once

// Helpers for the window tests: modal boxes open nested event loops, so they
// are answered from a timer that watches for them. The steps given are taken
// in order, one per modal widget as each shows.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>

namespace copione {

struct Passo {
    std::function<bool(QWidget*)> corrisponde;
    std::function<void(QWidget*)> azione;
};

inline std::deque<Passo>& Passi()
{
    static std::deque<Passo> passi;
    return passi;
}

inline QTimer& Sorveglianza()
{
    static QTimer* timer = [] {
        auto* t = new QTimer(qApp);
        t->setInterval(5);
        QObject::connect(t, &QTimer::timeout, [] {
            auto& passi = Passi();
            if (passi.empty()) {
                Sorveglianza().stop();
                return;
            }
            QWidget* modale = QApplication::activePopupWidget();
            if (!modale)
                modale = QApplication::activeModalWidget();
            if (!modale || !modale->isVisible())
                return;
            // Taken off the list, and run from an event of its own: its
            // action may open the next modal widget, whose nested loop must
            // see this timer fire again for the next step.
            if (!passi.front().corrisponde(modale))
                return;
            const Passo passo = passi.front();
            passi.pop_front();
            QTimer::singleShot(0, qApp, [passo, bersaglio = QPointer<QWidget>(modale)] {
                if (bersaglio)
                    passo.azione(bersaglio);
            });
        });
        return t;
    }();
    return *timer;
}

}  // namespace copione

// Calls azione on the next modal widget or popup menu, once it shows, if it
// is a T.
template <typename T>
void AlProssimoModale(std::function<void(T*)> azione)
{
    copione::Passi().push_back({[](QWidget* modale) { return qobject_cast<T*>(modale) != nullptr; },
                                [azione](QWidget* modale) { azione(qobject_cast<T*>(modale)); }});
    copione::Sorveglianza().start();
}

// Drops the steps that found nothing, so that none answers a later test's box.
inline void AnnullaAttese()
{
    copione::Passi().clear();
}

// What a message box showed, filled in once it has been answered.
struct Messaggio {
    bool mostrato = false;
    QString testo;
    QString titolo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButton predefinito = QMessageBox::NoButton;
};

// Answers the next message box with risposta and records it in messaggio.
inline void Rispondi(QMessageBox::StandardButton risposta, Messaggio& messaggio)
{
    AlProssimoModale<QMessageBox>([risposta, &messaggio](QMessageBox* box) {
        messaggio.mostrato = true;
        messaggio.testo = box->text();
        messaggio.titolo = box->windowTitle();
        messaggio.icona = box->icon();
        if (auto* predefinito = box->defaultButton())
            messaggio.predefinito = box->standardButton(predefinito);
        box->button(risposta)->click();
    });
}

// Picks the entry testo of the next popup menu.
inline void Scegli(const QString& testo)
{
    AlProssimoModale<QMenu>([testo](QMenu* menu) {
        for (QAction* voce : menu->actions()) {
            if (voce->text() == testo) {
                menu->close();
                voce->trigger();
                return;
            }
        }
        qFatal("voce di menu mancante: %s", qPrintable(testo));
    });
}
