#pragma once

// FrmMain is the program's working window: a three-page wizard in the stacked
// widget tb (page 0 the loan data, page 1 the payment frequency, page 2 the
// results), walked only with cmdAvanti and cmdIndietro. Reaching page 2 runs
// ElaboraPiano, which hands the fields' values to the schedule engine
// (engine/calcolo.h) and shows the listing it returns in List1; printing reads
// List1 back as it stands. The widgets are placed at fixed positions given in
// twips (ui/twips.h) and carry the names the rest of the program and the tests
// look them up by.

#include "engine/calcolo.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class CampoNumerico;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

class FrmMain : public QWidget {
    Q_OBJECT

public:
    // The maker's home page, opened by cmdSito and etc.
    static const char* const IndirizzoSito;

    explicit FrmMain(QWidget* parent = nullptr);

    // Start-up: the splash picture, shown modally, the controls, then
    // today's date. The window is shown once this returns.
    void Form_Load();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CreaControlli();
    void ImpostaOrdineTab();

    void cmdAvanti_Click();
    void cmdIndietro_Click();
    void cmdClose_Click();
    void ApriSito();
    void txtData_Change();
    bool ElaboraPiano();
    void StampaPiano();
    void OffriPdf(const QString& motivo, const QList<QStringList>& pagine);
    void SalvaPdfCome(const QString& titolo, const QList<QStringList>& pagine);
    // Runs a file's writing; a failure is told to the user.
    void Salva(const std::function<void()>& scrittura);
    QStringList RigheListato() const;

    // The listing's context menu.
    void List1_MenuContestuale(const QPoint& punto);
    void CopiaRighe();
    void SalvaPdf();
    void EsportaCsv();
    void MostraInteressiPerAnno();
    QString ChiediFile(const QString& titolo, const QString& nome, const QString& filtro);

    QPushButton* cmdIndietro = nullptr;
    QPushButton* cmdAvanti = nullptr;
    QPushButton* cmdClose = nullptr;
    QStackedWidget* tb = nullptr;
    QToolButton* cmdSito = nullptr;
    QToolButton* cmdPrint = nullptr;
    QListWidget* List1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 6> Option1{};
    CampoNumerico* txtImporto = nullptr;
    CampoNumerico* txtNumRate = nullptr;
    CampoNumerico* txtTasso = nullptr;
    CampoNumerico* txtRata = nullptr;
    QLineEdit* txtData = nullptr;
    QLabel* etc = nullptr;

    // The schedule shown in List1, row by row, for the exports; none while
    // the list is empty.
    std::optional<pianoamm::Piano> piano_;
};
