#pragma once

#include "ui/Okna.h"

#include <QImage>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace saldovia {

class TUpDown;

// "Nastavenie agendy": the company identity, the user's name, the accounting year, the
// VAT rate with up to two reduced rates, and the logo of the agenda's settings row.
class TfrmAgendaNastavenie : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmAgendaNastavenie(Kontext& kontext);

    // Opens the logo menu at the mouse; below the button when the button was pressed.
    void pnlLogoClick(QObject* sender = nullptr);
    void pmZmenitLogoClick();
    void pmZrusitLogoClick();
    void btnUlozitClick();
    void btnZrusitClick();
    // The typing rules shared by edtUctovnyRok and the rate edits: every key that types
    // or deletes is taken over here (a reduced rate may be left empty). True when the key was
    // consumed.
    bool edtKeyPress(QLineEdit* edit, QKeyEvent* e);
    // Stores the window's picture as logo number `cislo`.
    void UlozitLogo(int cislo);

    bool logoZmenene() const { return logoZmenene_; }
    bool maZmeny() const override { return TfrmCeleOkno::maZmeny() || logoZmenene_; }
    const QImage& logo() const { return logo_; }

    // The bound edits in the order of the settings table, with their columns.
    QList<QPair<QLineEdit*, QString>> viazaneEdity() const { return viazane_; }

    QLineEdit* dbEdtNazovFirmy;
    QLineEdit* dbEdtSidloUlica;
    QLineEdit* dbEdtSidloPSC;
    QLineEdit* dbEdtSidloMesto;
    QLineEdit* dbEdtSidloStat;
    QLineEdit* dbEdtICO;
    QLineEdit* dbEdtDIC;
    QLineEdit* dbEdtICDPH;
    QLineEdit* dbEdtTelefon;
    QLineEdit* dbEdtFax;
    QLineEdit* dbEdtMobil;
    QLineEdit* dbEdtUcet;
    QLineEdit* dbEdtIBAN;
    QLineEdit* dbEdtSWIFT;
    QLineEdit* dbEdtEmail;
    QLineEdit* dbEdtWeb;
    QLineEdit* dbEdtMenoUzivatela;
    QLineEdit* edtUctovnyRok;
    TUpDown* udUctovnyRok;
    QLineEdit* edtSadzbaDPH;
    TUpDown* udSadzbaDPH;
    // Up to two reduced rates beside the agenda's rate, each may stay empty.
    QLineEdit* edtZnizenaSadzbaDPH1;
    TUpDown* udZnizenaSadzbaDPH1;
    QLineEdit* edtZnizenaSadzbaDPH2;
    TUpDown* udZnizenaSadzbaDPH2;
    QFrame* pnlLogo;
    QLabel* imgLogo;
    QLabel* lblLogoNeexistuje;
    QPushButton* btnZrusit;
    QPushButton* btnUlozit;
    QPushButton* btnLogo;
    QMenu* PopupMenu;
    QAction* pmZmenitLogo;
    QAction* pmZrusitLogo;

protected:
    void done(int result) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void vytvoritOvladace();
    void FormCreate();
    void FormClose();
    void zobrazitLogo();

    QList<QPair<QLineEdit*, QString>> viazane_;
    QImage logo_;
    bool logoZmenene_ = false;
    bool zatvorene_ = false;
};

} // namespace saldovia
