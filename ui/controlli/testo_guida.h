#pragma once

#include <QTextBrowser>

namespace pianoamm {

// A page of the guide, read from the program's resources. Its pictures are
// screenshots wider than the room a page has beside the main window: each
// is shown at most as wide as the page, never enlarged.
class TestoGuida : public QTextBrowser {
    Q_OBJECT

public:
    explicit TestoGuida(QWidget* parent);

    QVariant loadResource(int tipo, const QUrl& indirizzo) override;
};

}  // namespace pianoamm
