#pragma once

#include "ui/Okna.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace saldovia {

class TCiselnePole;
class TCiselnePolia;
class TUctovyVyber;

// One line of an invoice or cash document: the line in DokladyPolozkyPomocne and its base
// and VAT postings in UctovnyDennikPomocny.
class TfrmPolozkaDokladu : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmPolozkaDokladu(Kontext& kontext);

    // Fills the dialog for line `cislo` of document `doklad` (0: a new line, dated `datum`
    // and described by `popis`), shows it modally and frees it. Returns the saved line's
    // number, or -1 when the dialog was closed without saving.
    int Otvorit(int cislo, const QString& doklad, const QString& datum, const QString& popis);

    void cbSadzbaDPHChange();
    void btnUlozitClick();
    // Suma bez DPH := Čiastka × Kurz once both hold a value (then the rate step), else empty.
    void vypocitatSumu();

    QLineEdit* edtCislo;
    QDateEdit* dtpDatum;
    QLineEdit* edtDoklad;
    TCiselnePole* mmCiastka;
    QLineEdit* edtMena;
    TCiselnePole* mmKurz;
    QLineEdit* mmSuma;
    QComboBox* cbSadzbaDPH;
    QLineEdit* mmDPH;
    QLineEdit* mmSumaSDPH;
    QLineEdit* edtPopisNaDoklade;
    QGroupBox* gbZauctovanie;
    QLineEdit* edtRiadok;
    TUctovyVyber* cbMaDat;
    TUctovyVyber* cbDal;
    QLineEdit* edtRiadokDPH;
    TUctovyVyber* cbMaDatDPH;
    TUctovyVyber* cbDalDPH;
    QLineEdit* edtPopisVDenniku;
    QPushButton* btnUlozit;
    QPushButton* btnZrusit;
    TCiselnePolia* polia; // the two number fields' handlers and their PopupMenu

private:
    // The highest journal row number in use for a new row of this document.
    qint64 najvyssi() const;

    int Result = -1;
};

} // namespace saldovia
