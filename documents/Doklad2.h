#pragma once

#include "EditorDokladu.h"
#include "edits/SumarDPH.h"

#include <array>

class QComboBox;
class QGridLayout;
class QTabWidget;
class QWidget;

namespace saldovia {

// The editor of invoices and cash documents (FV, FP, PP, PV): header with three dates,
// names, the partner, payment and delivery, the company identity taken when the document
// is written, and lines with VAT. Lines and their postings are edited in the scratch
// tables DokladyPolozkyPomocne and UctovnyDennikPomocny until the document is saved.
class TfrmDoklad2 : public TEditorDokladu {
    Q_OBJECT
public:
    TfrmDoklad2(Kontext& kontext, const QString& kod);

    void NastavitZoznam() override;
    void NastavitTlacidla();
    void dtpDatumChange();
    void PageControl2Change();
    void btnPridatClick() override;
    void btnUpravitClick() override;
    void btnOdstranitClick() override;
    void DBGridDblClick() override;

    QTabWidget* PageControl1;
    QWidget* tsDatumy;
    QWidget* tsMena;
    QDateEdit* dtpDatum2;
    QDateEdit* dtpDatum3;
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
    QLabel* lblTelefon;
    QLabel* lblFax;
    QLabel* lblMobil;
    QLabel* lblEmail;
    QLabel* lblWeb;
    QLabel* lblUcet;
    QLabel* lblIBAN;
    QLabel* lblSWIFT;

    QComboBox* cbSposobPlatby;
    QComboBox* cbSposobDopravy;

    QTabWidget* PageControl2;
    QWidget* tsPolozky;
    QWidget* tsSumar;
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
    // The rows of the summary after the first two (a third rate and on): rate, base, VAT,
    // total, named lblSadzbaDPH3, lblZaklad3, lblDPH3, lblSpolu3 and on.
    QList<std::array<QLabel*, 4>> dalsieSadzby;
    // The summary of the lines as last computed: the tab shows it, the saved header keeps
    // its totals.
    const sumardph::Sumar& sumar() const { return sumar_; }

protected:
    void nacitatDoklad(const GeneralQuery& q) override;
    void doplnitHlavicku(RelaciaDokladu::Hlavicka& h) const override;
    void predZobrazenim() override { plnim_ = false; }

private:
    void zobrazitSumar();

    QGridLayout* sumarLayout_ = nullptr;
    sumardph::Sumar sumar_;
    bool plnim_ = true; // the dates are being filled, not changed by the user
};

} // namespace saldovia
