#pragma once

#include "closing/Vykazy.h"
#include "closing/Zavierka.h"
#include "reports/ReportFrame.h"
#include "ui/Okna.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace saldovia {

// "Účtovná závierka": the closing postings of the agenda's year as they would be written
// (date, description, debit, credit, amount), the check of 702 and the result of the year;
// "Zaúčtovať" writes them into the journal in one transaction. A journal that holds the
// closing already, or lines without accounts, get no postings offered. The statements (the
// balance sheet and the income statement) as of a chosen date are printed or exported from
// here as well.
class TfrmUctovnaZavierka : public TfrmCeleOkno {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Účtovná závierka");

    explicit TfrmUctovnaZavierka(Kontext& kontext);

    // Prepares the closing from the journal again and shows it.
    void NastavitZoznam();
    void btnZauctovatClick();
    void btnSuvahaClick();
    void btnVykazClick();
    void btnExportSuvahyClick();
    void btnExportVykazuClick();
    void btnZavrietClick();

    // The statements as of the chosen date.
    vykazy::Vykazy vykazy();
    BandedReport zostavaSuvahy();
    BandedReport zostavaVykazu();
    const zavierka::Navrh& navrh() const { return navrh_; }

    QLabel* lblNadpis;
    QTableWidget* grdZapisy;
    QLabel* lblKontrola;
    QLabel* lblVysledok;
    QLabel* lblStav;
    QPushButton* btnZauctovat;
    QLabel* lblKuDnu;
    QDateEdit* dtpKuDnu;
    QPushButton* btnSuvaha;
    QPushButton* btnVykaz;
    QPushButton* btnExportSuvahy;
    QPushButton* btnExportVykazu;
    QPushButton* btnZavriet;

private:
    void exportovat(const QString& nazov, const QByteArray& obsah);
    // The rows of the table: date, description, debit, credit and amount of each posting.
    void vyplnitZapisy(const QList<QStringList>& zapisy);
    ReportFrame ramec(const QString& nazov);

    zavierka::Navrh navrh_;
    bool ponuknut_ = false;
};

} // namespace saldovia
