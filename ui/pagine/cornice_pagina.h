#pragma once

#include <QGroupBox>

namespace pianoamm {

// The frame that fills an input page of the wizard: its title, a picture in
// the top right corner and, at the bottom, in blue, what the page is for.
class CornicePagina : public QGroupBox {
    Q_OBJECT

public:
    explicit CornicePagina(const QString& titolo, const QString& spiegazione, const QString& icona, int sinistraIcona,
                           QWidget* pagina);
};

}  // namespace pianoamm
