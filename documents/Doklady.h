#pragma once

#include "ui/Okna.h"

class QAction;
class QMenu;
class QPushButton;

namespace saldovia {

class TMriezka;

// Whether documents of kind `kod` are edited by the invoice and cash document editor
// (FV, FP, PP, PV) rather than by the simple document editor.
bool jeDoklad2(const QString& kod);

// Opens document `cislo` ("" for a new one) of the kind on which qryAgendaPrisposobenie
// stands, in the editor of that kind; returns the number of the saved document or "".
QString otvoritDoklad(Kontext& kontext, const QString& cislo);

// The register of the documents of one kind: the kind is the row on which the main
// window's qryAgendaPrisposobenie stands when the window is created.
class TfrmDoklady : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmDoklady(Kontext& kontext);

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
