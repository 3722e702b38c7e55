#pragma once

#include "ui/Okna.h"

#include <QHash>
#include <QMetaObject>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;

namespace saldovia {

// The accounting journal: its lines in row-number order, optionally only those posting
// to one account; adding, editing and removing free lines and documents, and printing.
class TfrmUctovnyDennik : public TfrmCeleOkno {
    Q_OBJECT
public:
    explicit TfrmUctovnyDennik(Kontext& kontext);
    ~TfrmUctovnyDennik() override;

    // Reloads both shared data sets with the current filter and sets the grid and the
    // states of the commands.
    void NastavitZoznam();
    void dsUctovnyDennikDataChange();
    void cbFilterChange();
    void btnPridatClick();
    void pmItmPridatPolozkuClick();
    void pmItmPridatDokladClick(const QString& druh);
    void btnUpravitClick();
    void btnOdstranitClick();
    void pmItmOdstranitPolozkuClick();
    void pmItmOdstranitDokladClick();
    void btnTlacitClick();
    void pmItmTlacitUctovnyDennikClick();
    void pmItmTlacitDokladClick();
    void btnZavrietClick();
    // The grid's double click: adds a line to an empty list, else edits the selected one.
    void DBGridDblClick();

    // Practice: marks every row that differs from the sample and counts them in the status
    // bar; no sample value is shown.
    void btnSkontrolovatClick();
    // The rows marked wrong by the last check and not edited since.
    QList<qint64> oznaceneRiadky() const;

    // The selected row, counted from 1; 0 when the list is empty.
    int vybranaPozicia() const;
    // Selects row `pozicia`, or the last row when the list is shorter.
    void vybrat(int pozicia);

    QLabel* lblFilter;
    QComboBox* cbFilter;
    QTableView* DBGrid;
    QPushButton* btnPridat;
    QPushButton* btnUpravit;
    QPushButton* btnOdstranit;
    QPushButton* btnTlacit;
    QPushButton* btnZavriet;
    QPushButton* btnSkontrolovat;
    QStatusBar* StatusBar;
    QLabel* lblNespravne;

    QMenu* pmHlavne;
    QMenu* pmItmPridat;
    QAction* pmItmPridatPolozku;
    QAction* pmItmUpravit;
    QMenu* pmItmOdstranit;
    QAction* pmItmOdstranitPolozku;
    QAction* pmItmOdstranitDoklad;
    QMenu* pmItmTlacit;
    QAction* pmItmTlacitUctovnyDennik;
    QAction* pmItmTlacitDoklad;

    QMenu* pmPridat;
    QAction* mmItmPridatPolozku;
    QMenu* pmOdstranit;
    QAction* mmItmOdstranitPolozku;
    QAction* mmItmOdstranitDoklad;
    QMenu* pmTlacit;
    QAction* mmItmTlacitUctovnyDennik;
    QAction* mmItmTlacitDoklad;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Fills an add menu (pmPridat or the grid's "Pridať") with its items and submenus;
    // prefix is "mmItm" or "pmItm".
    void vytvoritPridavanie(QMenu* menu, const QString& prefix);
    // The edit of a document line through its document editor.
    void upravitDoklad();
    // Enables the commands for the list and its selected line.
    void nastavitPrikazy();
    // Makes the grid's current row follow the data set's.
    void zosuladitGrid();
    void otvoritMenu(QMenu* menu, QPushButton* tlacidlo);

    QList<QAction*> pridatDoklad_; // the add-document items of both menus, with submenus
    QMetaObject::Connection dsUctovnyDennik_;
    bool prazdny_ = true;
    bool skuskaSkoncena_ = false;
    bool zosuladujem_ = false;
    // Drops the marks of rows edited or removed since the check.
    void zrusitUpraveneZnacky();
    // Riadok as wide as the longest row number, and the practice mark before it.
    void nastavitSirkuRiadku();
    static constexpr int SirkaRiadku = 39;
    class ZnackyDennika* znacky_;
    QHash<qint64, QString> oznacene_; // marked row -> its values when it was checked
};

} // namespace saldovia
