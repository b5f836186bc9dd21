// The data page's fields as a user fills them: typed, pasted, left.

#include "guida_finestra.h"

#include <QClipboard>
#include <QToolTip>

namespace {

// Whether the tip that the installments are a whole number shows; then
// hidden at once, not after fading.
bool Avvisato()
{
    const bool avvisato = QToolTip::isVisible() && QToolTip::text().contains(QStringLiteral("numero intero"));
    for (QWidget* finestra : QApplication::topLevelWidgets()) {
        if (finestra->inherits("QTipLabel"))
            finestra->hide();
    }
    return avvisato;
}

const std::pair<const char*, bool> Date[] = {{"06/04/2006", true},  {"6/4/06", true},      {"29/02/2008", true},
                                             {"29/02/2007", false}, {"31/02/2006", false}, {"", false},
                                             {"domani", false}};

// Typed, then the field left: its text and value, and whether the tip shows.
const std::tuple<const char*, const char*, const char*, double, bool> Digitati[] = {
    {"txtImporto", "1234.5", "1.234,50", 1234.5, false},  // a typed "." is the decimal comma
    {"txtImporto", "abc", "0,00", 0, false},
    {"txtImporto", "9999999999", "999.999.999,00", 999999999, false},
    {"txtImporto", "12,345", "12,34", 12.34, false},
    {"txtImporto", "", "0,00", 0, false},  // emptied: the minimum
    {"txtTasso", "4.25", "4,25", 4.25, false},
    {"txtTasso", "99,5", "99,00", 99, false},
    {"txtNumRate", "1.5", "1", 1, true},  // the mark, and the decimals after it, refused
    {"txtNumRate", "12,50", "12", 12, true},
    {"txtNumRate", "0", "1", 1, false},
    {"txtNumRate", "1000", "100", 100, false}};

// Pasted over the selection given (-1: all of it) of "1.000,00", "3,50" and
// "360": read as meant, or refused whole ("": the text as it was).
const std::tuple<const char*, int, int, const char*, const char*, double, bool> Incollati[] = {
    {"txtImporto", -1, 0, "1234.56", "1234,56", 1234.56, false},
    {"txtImporto", -1, 0, "1.234,56", "1234,56", 1234.56, false},
    {"txtImporto", 0, 5, "2.500", "2500,00", 2500, false},
    {"txtImporto", 6, 2, "5", "1.000,5", 1000.5, false},
    {"txtImporto", -1, 0, "dieci euro", "", 1000, false},
    {"txtImporto", -1, 0, "1.000.000.000", "", 1000, false},  // past the maximum
    {"txtImporto", 8, 0, "12", "", 1000, false},              // a third and a fourth decimal
    {"txtTasso", -1, 0, "4.25", "4,25", 4.25, false},
    {"txtTasso", -1, 0, "1.000", "", 3.5, false},
    {"txtNumRate", -1, 0, "120", "120", 120, false},
    {"txtNumRate", -1, 0, "12,5", "", 360, true},
    {"txtNumRate", 3, 0, ",", "", 360, true},
    {"txtNumRate", -1, 0, "1.000", "", 360, false}};

}  // namespace

class TestCampi : public QObject, private GuidaFinestra {
    Q_OBJECT

private slots:
    void init() { QVERIFY(Carica()); }
    void cleanup()
    {
        frm.reset();
        QVERIFY2(AtteseCompiute(), "una finestra attesa non è comparsa");
    }

    void controlloDellaData_data() { Casi(Date); }
    void controlloDellaData()
    {
        const auto& [testo, valida] = Caso(Date);
        auto* campo = c<QLineEdit>("txtData");
        Scrivi(campo, QString::fromLatin1(testo));
        QCOMPARE(c("cmdAvanti")->isEnabled(), valida);
        QCOMPARE(campo->toolTip().contains(QStringLiteral("GG/MM/AAAA")), !valida);
        // Pasted over a text of the other kind.
        Scrivi(campo, valida ? QStringLiteral("x") : QStringLiteral("06/04/2006"));
        QApplication::clipboard()->setText(QString::fromLatin1(testo));
        campo->selectAll();
        campo->paste();
        QCOMPARE(campo->text(), QString::fromLatin1(testo));
        QCOMPARE(c("cmdAvanti")->isEnabled(), valida);
    }

    void campiNumerici_data() { Casi(Digitati); }
    void campiNumerici()
    {
        const auto& [nome, digitato, testo, valore, avvisato] = Caso(Digitati);
        Scrivi(campo(nome), QString::fromLatin1(digitato));
        QCOMPARE(Avvisato(), avvisato);
        c<QLineEdit>("txtData")->setFocus();
        QCOMPARE(campo(nome)->text(), QString::fromLatin1(testo));
        QCOMPARE(campo(nome)->Valore(), valore);
    }

    void numeriIncollati_data() { Casi(Incollati); }
    void numeriIncollati()
    {
        const auto& [nome, inizio, lunghezza, incollato, testo, valore, avvisato] = Caso(Incollati);
        const std::function<void(QLineEdit*)> modi[] = {
            [](QLineEdit* f) { f->paste(); }, [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier); },
            [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_Insert, Qt::ShiftModifier); },
            [](QLineEdit* f) { std::unique_ptr<QMenu>(f->createStandardContextMenu())->actions().at(5)->trigger(); }};
        auto* f = campo(nome);
        for (const auto& incolla : modi) {
            f->ImpostaValore(f == campo("txtImporto") ? 1000 : f == campo("txtTasso") ? 3.5 : 360);
            const QString prima = f->text();
            f->setFocus();
            f->setSelection(std::max(inizio, 0), inizio < 0 ? 99 : lunghezza);
            QApplication::clipboard()->setText(QString::fromLatin1(incollato));
            incolla(f);
            QCOMPARE(f->text(), *testo ? QString::fromLatin1(testo) : prima);
            QCOMPARE(f->Valore(), valore);
            QCOMPARE(Avvisato(), avvisato);
        }
    }
};

QTEST_MAIN(TestCampi)
#include "test_finestra_campi.moc"
