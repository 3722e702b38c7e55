#pragma once

#include "ui/Okna.h"

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
    explicit TfrmAgendaPrisposobenie(Kontext& kontext);

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

    int zobrazeny_ = -1; // the kind whose texts the fields show
};

} // namespace saldovia
