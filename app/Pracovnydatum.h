#pragma once

#include "ui/Okna.h"

class QDateEdit;
class QPushButton;

namespace saldovia {

// Changes the working date, the default date of new entries, within the accounting year.
class TfrmPracovnyDatum : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmPracovnyDatum(Kontext& kontext);

    void btnUlozitClick();
    void btnZrusitClick();

    QDateEdit* DateTimePicker;
    QPushButton* btnUlozit;
    QPushButton* btnZrusit;
};

} // namespace saldovia
