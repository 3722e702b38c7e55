#pragma once

#include "ui/Okna.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace saldovia {

// "Účtová osnova": the chart of accounts. Lists every account; adds, overwrites and
// removes the user's own accounts. Predefined accounts and accounts the journal uses
// are protected.
class TfrmUctovaOsnova : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmUctovaOsnova(Kontext& kontext);

    void NastavitZoznam();
    void dsUctovaOsnovaDataChange();
    void btnUlozitClick();
    void btnOdstranitClick();
    void btnZavrietClick();

    QTableView* DBGrid;
    QLabel* lblEditacia;
    QLineEdit* lblEdtCislo;
    QLineEdit* lblEdtNazov;
    QLabel* lblDruh;
    QComboBox* cbDruh;
    QCheckBox* chbPrepisat;
    QPushButton* btnUlozit;
    QPushButton* btnOdstranit;
    QPushButton* btnZavriet;

protected:
    void done(int result) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void FormClose();
    void cbDruhKeyUp(int key);
    void ukazatVybranyRiadok();
    void nastavitSirkyStlpcov();

    QMetaObject::Connection dsUctovaOsnova_;
};

} // namespace saldovia
