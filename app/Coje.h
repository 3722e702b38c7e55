#pragma once

#include "Okna.h"

class QLabel;
class QPushButton;

namespace saldovia {

// The about box.
class TfrmCoJe : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmCoJe(TfrmHlavny& hlavny);

    void lblUplneZnenieClick();
    void btnOKClick();

    QLabel* lblUplneZnenie;
    QPushButton* btnOK;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

} // namespace saldovia
