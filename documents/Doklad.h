#pragma once

#include "edits/IdentitaFirmy.h"
#include "edits/RelaciaDokladu.h"
#include "ui/Okna.h"

#include <optional>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace saldovia {

class TMriezka;

// The number of a new document of the kind on which qryAgendaPrisposobenie stands, or ""
// after telling the user that the kind has its 99 documents already.
QString cisloNovehoDokladu(Kontext& kontext, QWidget* parent);

// Shows logo number `cislo` ("" or "0": none) in `obrazok`, scaled down to fit.
void zobrazitLogo(Kontext& kontext, QLabel* obrazok, const QString& cislo);

// The editor of simple documents (ID, SP, SV, SR, BV): the header, the company identity
// taken when the document is written and the document's journal lines, which are edited
// in the scratch table UctovnyDennikPomocny until the document is saved.
class TfrmDoklad : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmDoklad(Kontext& kontext);

    // Opens document `cislo` ("" for a new one of the current kind), shows the window
    // modally and frees it. Returns the number of the saved document, or "" when nothing
    // was saved or no number was available.
    QString Otvorit(const QString& cislo);

    void NastavitZoznam();
    void NacitatIdentifikaciu();
    // Shows identita_ in the labels and the logo.
    void zobrazitIdentitu();
    void btnNastavitClick();
    void btnPridatClick();
    void btnUpravitClick();
    void btnOdstranitClick();
    void btnUlozitClick();
    void btnZrusitClick();
    void DBGridDblClick();

    QLineEdit* edtCisloDokladu;
    QDateEdit* dtpDatum;
    QLineEdit* edtPopis;
    QLineEdit* edtVystavil;
    QGroupBox* gbIdentifikacia;
    QLabel* lblNazovFirmy;
    QLabel* lblSidloUlica;
    QLabel* lblSidloPSC;
    QLabel* lblSidloMesto;
    QLabel* lblSidloStat;
    QLabel* lblICO;
    QLabel* lblDIC;
    QLabel* lblICDPH;
    QLabel* imgLogo;
    QPushButton* btnNastavit;
    QGroupBox* gbPolozky;
    TMriezka* DBGrid;
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
};

} // namespace saldovia
