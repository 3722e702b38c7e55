#pragma once

#include "edits/IdentitaFirmy.h"
#include "edits/RelaciaDokladu.h"
#include "ui/Okna.h"

#include <optional>

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

namespace saldovia {

class TMriezka;

// The editor of invoices and cash documents (FV, FP, PP, PV): header with three dates,
// names, the partner, payment and delivery, the company identity taken when the document
// is written, and lines with VAT. Lines and their postings are edited in the scratch
// tables DokladyPolozkyPomocne and UctovnyDennikPomocny until the document is saved.
class TfrmDoklad2 : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmDoklad2(Kontext& kontext);

    // Opens document `cislo` ("" for a new one of the current kind), shows the window
    // modally and frees it. Returns the number of the saved document, or "".
    QString Otvorit(const QString& cislo);

    void NastavitZoznam();
    void NastavitTlacidla();
    void NacitatIdentifikaciu();
    // Shows identita_ in the labels and the logo.
    void zobrazitIdentitu();
    void btnNastavitClick();
    void dtpDatumChange();
    void PageControl2Change();
    void btnPridatClick();
    void btnUpravitClick();
    void btnOdstranitClick();
    void btnUlozitClick();
    void btnZrusitClick();
    void DBGridDblClick();

    QLineEdit* edtCisloDokladu;
    QTabWidget* PageControl1;
    QWidget* tsDatumy;
    QWidget* tsMena;
    QDateEdit* dtpDatum;
    QDateEdit* dtpDatum2;
    QDateEdit* dtpDatum3;
    QLineEdit* edtVystavil;
    QLineEdit* edtSchvalil;
    QLineEdit* edtPrijal;

    QTabWidget* PageControl;
    QWidget* tsOdberatel;
    QWidget* tsDodavatel;
    QWidget* tsKontaktneUdaje;
    QLineEdit* edtNazovFirmy;
    QLineEdit* edtSidloUlica;
    QLineEdit* edtSidloPSC;
    QLineEdit* edtSidloMesto;
    QLineEdit* edtSidloStat;
    QLineEdit* edtICO;
    QLineEdit* edtDIC;
    QLineEdit* edtICDPH;
    QLabel* lblNazovFirmy;
    QLabel* lblSidloUlica;
    QLabel* lblSidloPSC;
    QLabel* lblSidloMesto;
    QLabel* lblSidloStat;
    QLabel* lblICO;
    QLabel* lblDIC;
    QLabel* lblICDPH;
    QLabel* lblTelefon;
    QLabel* lblFax;
    QLabel* lblMobil;
    QLabel* lblEmail;
    QLabel* lblWeb;
    QLabel* lblUcet;
    QLabel* lblIBAN;
    QLabel* lblSWIFT;
    QLabel* imgLogo;
    QPushButton* btnNastavit;

    QLineEdit* edtPopis;
    QComboBox* cbSposobPlatby;
    QComboBox* cbSposobDopravy;

    QTabWidget* PageControl2;
    QWidget* tsPolozky;
    QWidget* tsSumar;
    TMriezka* DBGrid;
    QLabel* lblSadzbaDPHNulova;
    QLabel* lblSadzbaDPHZakladna;
    QLabel* lblZakladNulova;
    QLabel* lblDPHNulova;
    QLabel* lblSpoluNulova;
    QLabel* lblZakladZakladna;
    QLabel* lblDPHZakladna;
    QLabel* lblSpoluZakladna;
    QLabel* lblSpoluZaklad;
    QLabel* lblSpoluDPH;
    QLabel* lblSpoluUplne;

    QPushButton* btnPridat;
    QPushButton* btnUpravit;
    QPushButton* btnOdstranit;
    QPushButton* btnUlozit;
    QPushButton* btnZrusit;
    QMenu* PopupMenu;
    QAction* pmItmPridat;
    QAction* pmItmUpravit;
    QAction* pmItmOdstranit;

private:
    QString kod_;
    QString cislo_;
    // The identity the document carries: shown in the labels, saved with the document.
    IdentitaFirmy identita_;
    std::optional<RelaciaDokladu> relacia_;
    QString Result;
    bool prazdny_ = true;
    bool plnim_ = true; // the dates are being filled, not changed by the user
};

} // namespace saldovia
