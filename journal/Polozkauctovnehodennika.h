#pragma once

#include "ui/Okna.h"

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace saldovia {

class TCiselnePole;
class TCiselnePolia;
class TUctovyVyber;

// The highest journal row number in use for a new line of document `doklad` written into
// `tabulka` (the journal or its scratch copy): the larger of the table's highest number
// and the highest number among the journal's lines of other documents and free lines;
// 0 when there is none. A new line takes this + 1.
qint64 najvyssiRiadok(Kontext& kontext, const QString& tabulka, const QString& doklad);

// Edits one journal line in the journal itself ("UctovnyDennik") or in the scratch table
// of the document being edited ("UctovnyDennikPomocny").
class TfrmPolozkaUctovnehoDennika : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmPolozkaUctovnehoDennika(Kontext& kontext);

    // Fills the dialog for row `riadok` of `tabulka` (0: a new line, prefilled with
    // `doklad`, `datum` and `popis`), shows it modally and frees it. Returns the saved
    // row number, or -1 when the dialog was closed without saving.
    int Otvorit(int riadok, const QString& tabulka, const QString& doklad, const QString& datum,
                const QString& popis);

    void btnUlozitClick();
    // Suma := Čiastka × Kurz once both fields hold a value, else empty.
    void vypocitatSumu();

    QLineEdit* edtRiadok;
    QDateEdit* dtpDatum;
    QLineEdit* edtDoklad;
    TCiselnePole* mmCiastka;
    QLabel* lblX;
    QLineEdit* edtMena;
    TCiselnePole* mmKurz;
    QLabel* lblRovnaSa;
    QLineEdit* mmSuma;
    QLabel* lblSk;
    QLineEdit* edtPopis;
    QFrame* bvlPredkontacia;
    QLabel* lblPredkontacia;
    QLabel* lblMaDat;
    TUctovyVyber* cbMaDat;
    QLabel* lblDal;
    TUctovyVyber* cbDal;
    QPushButton* btnUlozit;
    TCiselnePolia* polia; // the two number fields' handlers and their PopupMenu

private:
    int Result = -1;
    QString tabulka_;
};

} // namespace saldovia
