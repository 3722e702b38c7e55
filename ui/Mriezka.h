#pragma once

#include <QHash>
#include <QTableView>

#include <functional>

class QAbstractItemView;
class QMenu;

namespace saldovia {

class DataSet;
struct GridColumn;

// The shared set-up of the program's read-only grids: whole rows selected, no editing, a
// compact face whose cells use their narrow widths fully, the selection shown also
// without the focus, a custom pop-up menu.
void pripravitMriezku(QTableView* grid);

// The width a cell of the grid needs to show `text` whole, its margins included.
int sirkaBunky(const QTableView* grid, const QString& text);

// Widens each amount column (right-aligned) of `stlpce` that is narrower than its widest
// value in `najsirsie` (column index -> value), taking the room the grid has free, then
// from the widest left-aligned column as far as that keeps 80 pixels: amounts are shown
// whole.
void rozsiritStlpceSum(const QTableView* grid, QList<GridColumn>& stlpce,
                       const QHash<int, QString>& najsirsie);
// The keys of a grid as desktop grids have them: Enter and F2 open the selected row's
// editor, Insert adds a row, Delete removes the selected one (each command asks what it
// asks from its button). A key without a command does what the grid does with it.
struct KlavesyMriezky {
    std::function<void()> upravit;
    std::function<void()> pridat;
    std::function<void()> odstranit;
};
void pripojitKlavesy(QAbstractItemView* grid, KlavesyMriezky klavesy);

// The read-only grid of a document window (DBGrid): bound to a shared data set, whole
// rows selected, the selection shown also without the focus, and the grid's current row
// kept equal to the data set's current row in both directions.
class TMriezka : public QTableView {
    Q_OBJECT
public:
    TMriezka(DataSet& data, QWidget* parent = nullptr);

    // Sets the columns and their pixel widths; an amount column is widened for its widest
    // value (rozsiritStlpceSum).
    void nastavitStlpce(const QList<GridColumn>& stlpce);
    // The selected row counted from 1; 0 for an empty list.
    int pozicia() const;
    // Selects row `pozicia` when it is below the row count, else the last row if any.
    void vybrat(int pozicia);
    // Shows the data set's current row as selected.
    void zosuladit();

    // A double click on the grid (on a row or on the empty area).
    std::function<void()> dvojklik;
    // The grid's pop-up menu.
    QMenu* popupMenu = nullptr;

protected:
    bool viewportEvent(QEvent* e) override;

private:
    DataSet& data_;
    bool zosuladujem_ = false;
};

} // namespace saldovia
