#pragma once

#include "ui/Okna.h"

class QAction;
class QMenu;
class QPushButton;

namespace saldovia {

class TMriezka;

// Opens document `cislo` ("" for a new one) of kind `kod` in the editor of that kind;
// returns the number of the saved document or "".
QString otvoritDoklad(Kontext& kontext, const QString& kod, const QString& cislo);

// The register of the documents of kind `kod`.
class TfrmDoklady : public TfrmCeleOkno {
    Q_OBJECT
public:
    TfrmDoklady(Kontext& kontext, const QString& kod);

    void NastavitZoznam();
    void btnPridatClick();
    void btnUpravitClick();
    void btnOdstranitClick();
    void btnTlacitClick();
    void btnZavrietClick();
    void DBGridDblClick();

    TMriezka* DBGrid;
    QPushButton* btnPridat;
    QPushButton* btnUpravit;
    QPushButton* btnOdstranit;
    QPushButton* btnTlacit;
    QPushButton* btnZavriet;
    QMenu* PopupMenu;
    QAction* pmItmPridat;
    QAction* pmItmUpravit;
    QAction* pmItmOdstranit;
    QAction* pmItmTlacit;

private:
    QString kod_;
    bool prazdny_ = true;
    bool skuskaSkoncena_ = false;
};

} // namespace saldovia
