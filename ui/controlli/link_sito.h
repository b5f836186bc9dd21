#pragma once

#include <QLabel>

namespace pianoamm {

// The maker's home page, opened by the link under the pages and by the globe
// on the results page.
inline constexpr char IndirizzoSito[] = "http://www.example.com";

// Whether a browser opens is the desktop's business: a failure is not
// reported.
void ApriSito();

// The maker's address in red under the pages, opened by a click.
class LinkSito : public QLabel {
    Q_OBJECT

public:
    explicit LinkSito(QWidget* parent);

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

}  // namespace pianoamm
