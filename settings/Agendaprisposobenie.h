#pragma once

#include "app/Okna.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace saldovia {

// "Prispôsobenie agendy": the number prefix, the document title and the list title of
// each of the nine document kinds.
class TfrmAgendaPrisposobenie : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmAgendaPrisposobenie(TfrmHlavny& hlavny);

    void cbKodChange();
    void btnUlozitClick();
    void btnZavrietClick();

    QPushButton* btnZavriet;
    QLabel* lblKod;
    QComboBox* cbKod;
    QLineEdit* lblEdtZoznam;
    QLineEdit* lblEdtPrefix;
    QLineEdit* lblEdtDoklad;
    QPushButton* btnUlozit;

private:
    void FormCreate();
};

} // namespace saldovia
