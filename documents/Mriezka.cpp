#include "Mriezka.h"

#include "store/DataSet.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenu>

namespace saldovia {

TMriezka::TMriezka(DataSet& data, QWidget* parent) : QTableView(parent), data_(data) {
    setObjectName(QStringLiteral("DBGrid"));
    setModel(data.model());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setCornerButtonEnabled(false);
    QFont pismo(QStringLiteral("Liberation Sans"));
    pismo.setPointSize(8);
    setFont(pismo);
    horizontalHeader()->setFont(pismo);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 5);
    QPalette paleta = palette();
    paleta.setBrush(QPalette::Inactive, QPalette::Highlight,
                    paleta.brush(QPalette::Active, QPalette::Highlight));
    paleta.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.brush(QPalette::Active, QPalette::HighlightedText));
    setPalette(paleta);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (popupMenu)
            popupMenu->popup(viewport()->mapToGlobal(p));
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (!zosuladujem_ && i.isValid())
                    data_.setRecNo(i.row() + 1);
            });
    connect(&data_, &DataSet::dataChanged, this, [this] { zosuladit(); });
}

void TMriezka::nastavitStlpce(const QList<GridColumn>& stlpce) {
    data_.model()->setColumns(stlpce);
    for (int i = 0; i < stlpce.size(); ++i)
        setColumnWidth(i, stlpce[i].width);
    zosuladit();
}

int TMriezka::pozicia() const {
    return data_.recNo();
}

void TMriezka::vybrat(int pozicia) {
    if (data_.isEmpty())
        return;
    data_.setRecNo(pozicia >= 1 && pozicia <= data_.recordCount() ? pozicia : data_.recordCount());
    zosuladit();
}

void TMriezka::zosuladit() {
    const int rec = data_.recNo();
    if (rec == 0) {
        clearSelection();
        return;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == rec - 1 && selectionModel()->isRowSelected(rec - 1))
        return;
    zosuladujem_ = true;
    const QModelIndex i = model()->index(rec - 1, 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                             QItemSelectionModel::Rows);
    scrollTo(i);
    zosuladujem_ = false;
}

bool TMriezka::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (dvojklik)
            dvojklik();
        return true;
    }
    return QTableView::viewportEvent(e);
}

} // namespace saldovia
