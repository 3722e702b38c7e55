#pragma once

#include "EditorDokladu.h"

class QGroupBox;

namespace saldovia {

// The editor of simple documents (ID, SP, SV, SR, BV): the header, the company identity
// taken when the document is written and the document's journal lines, which are edited
// in the scratch table UctovnyDennikPomocny until the document is saved.
class TfrmDoklad : public TEditorDokladu {
    Q_OBJECT
public:
    TfrmDoklad(Kontext& kontext, const QString& kod);

    void NastavitZoznam() override;
    void btnPridatClick() override;
    void btnUpravitClick() override;
    void btnOdstranitClick() override;
    void DBGridDblClick() override;

    QGroupBox* gbIdentifikacia;
    QGroupBox* gbPolozky;

protected:
    void nacitatDoklad(const GeneralQuery& q) override;
    void doplnitHlavicku(RelaciaDokladu::Hlavicka& h) const override;
};

} // namespace saldovia
