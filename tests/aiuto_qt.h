#pragma once

// Helpers for the window tests: modal boxes open nested event loops, so they
// are answered from a timer that watches for them.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Calls azione on the next modal widget of type T as soon as it shows.
template <typename T>
void AlProssimoModale(std::function<void(T*)> azione)
{
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("attesaModale"));
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, azione] {
        auto* modale = qobject_cast<T*>(QApplication::activeModalWidget());
        if (modale && modale->isVisible()) {
            timer->stop();
            timer->deleteLater();
            azione(modale);
        }
    });
    timer->start();
}

// Drops the watches that found nothing, so that none answers a later test's box.
inline void AnnullaAttese()
{
    for (auto* timer : qApp->findChildren<QTimer*>(QStringLiteral("attesaModale"), Qt::FindDirectChildrenOnly))
        delete timer;
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
