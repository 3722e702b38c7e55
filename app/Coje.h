#pragma once

#include "ui/Okna.h"

class QLabel;
class QPushButton;

namespace saldovia {

// The about box.
class TfrmCoJe : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmCoJe(Kontext& kontext);

    void lblUplneZnenieClick();
    void btnOKClick();

    QLabel* lblUplneZnenie;
    QPushButton* btnOK;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

} // namespace saldovia
