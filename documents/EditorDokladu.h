#pragma once

#include "edits/IdentitaFirmy.h"
#include "edits/RelaciaDokladu.h"
#include "ui/Okna.h"

#include <QList>

#include <optional>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace saldovia {

class GeneralQuery;
class TMriezka;

// The number of a new document of kind `kod`, or "" after telling the user that the kind
// has its 99 documents already.
QString cisloNovehoDokladu(Kontext& kontext, const QString& kod, QWidget* parent);

// Shows logo number `cislo` ("" or "0": none) in `obrazok`, scaled down to fit.
void zobrazitLogo(Kontext& kontext, QLabel* obrazok, const QString& cislo);

// What the two document editors share: the document of the kind given, its number, date,
// description and issuer, the company identity taken when the document is written, the editing
// session over the scratch tables, the grid of its lines with their commands and pop-up menu, and
// saving. Each editor builds its own layout around these controls and adds the rest.
class TEditorDokladu : public TfrmCeleOkno {
    Q_OBJECT
public:
    // Opens document `cislo` ("" for a new one of the current kind), shows the window
    // modally and frees it. Returns the number of the saved document, or "" when nothing
    // was saved or no number was available.
    QString Otvorit(const QString& cislo);

    virtual void NastavitZoznam() = 0;
    void NacitatIdentifikaciu();
    // Shows identita_ in the identity labels (each named after its column) and the logo.
    void zobrazitIdentitu();
    void btnNastavitClick();
    virtual void btnPridatClick() = 0;
    virtual void btnUpravitClick() = 0;
    virtual void btnOdstranitClick() = 0;
    void btnUlozitClick();
    void btnZrusitClick();
    virtual void DBGridDblClick() = 0;

    QLineEdit* edtCisloDokladu;
    QDateEdit* dtpDatum;
    QLineEdit* edtPopis;
    QLineEdit* edtVystavil;
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

protected:
    // meno: the window's name; kod: the document kind; sPolozkami: the document has lines
    // of its own besides its journal lines (DokladyPolozkyPomocne).
    TEditorDokladu(Kontext& kontext, const QString& meno, const QString& kod, bool sPolozkami);

    // The shared part of FormCreate, once the editor's controls stand: the identity, the
    // dates limited to the accounting year and set to the working date, the issuer, and
    // no saving in a finished exam; the focus on "Zrušiť".
    void FormCreate(const QList<QDateEdit*>& datumy);
    // Fills the editor's own fields from the header row of an existing document.
    virtual void nacitatDoklad(const GeneralQuery& q) = 0;
    // The header columns after the shared ones (kind, number, date, description, address).
    virtual void doplnitHlavicku(RelaciaDokladu::Hlavicka& h) const = 0;
    // Runs once the document is loaded, just before the window is shown.
    virtual void predZobrazenim() {}

    QString kod_;
    QString cislo_;
    // The identity the document carries: shown in the labels, saved with the document.
    IdentitaFirmy identita_;
    // The labels zobrazitIdentitu fills; an editor may add its own.
    QList<QLabel*> stitkyIdentity_;
    std::optional<RelaciaDokladu> relacia_;
    QString Result;
    bool prazdny_ = true;

private:
    bool sPolozkami_;
};

} // namespace saldovia
