#include "Mriezka.h"

#include "store/DataSet.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace saldovia {

namespace {

constexpr int okraj = 2; // the cell's margin on either side

// The grid's columns have fixed, narrow widths: a cell writes its text with a slim
// margin, uses the whole cell when that is what it takes, and shortens a text only when
// even that is too narrow. A number (right-aligned) is never shortened: it is set smaller.
class BunkaMriezky : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

        const QPalette::ColorGroup skupina = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                             : (o.state & QStyle::State_Active)
                                                 ? QPalette::Active
                                                 : QPalette::Inactive;
        const QPalette::ColorRole rola =
            o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        QRect r = o.rect.adjusted(okraj, 0, -okraj, 0);
        QString t = text;
        QFont pismo = o.font;
        const QFontMetrics fm(pismo);
        const int sirka = fm.horizontalAdvance(text);
        if (sirka > r.width()) {
            if (sirka <= o.rect.width()) {
                r = o.rect;
            } else if (o.displayAlignment & Qt::AlignRight) {
                r = o.rect;
                pismo.setPointSizeF(pismo.pointSizeF() * r.width() / sirka);
                while (pismo.pointSizeF() > 1.0 &&
                       QFontMetrics(pismo).horizontalAdvance(text) > r.width())
                    pismo.setPointSizeF(pismo.pointSizeF() - 0.25);
            } else {
                t = fm.elidedText(text, Qt::ElideRight, r.width());
            }
        }
        p->save();
        p->setClipRect(o.rect);
        p->setFont(pismo);
        p->setPen(o.palette.color(skupina, rola));
        p->drawText(r, static_cast<int>(o.displayAlignment) | Qt::TextSingleLine, t);
        p->restore();
    }
};

// Takes the grid's command keys before the grid (which only moves on Enter) sees them.
class KlavesyFilter : public QObject {
public:
    KlavesyFilter(QAbstractItemView* grid, KlavesyMriezky klavesy)
        : QObject(grid), klavesy_(std::move(klavesy)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress)
            return QObject::eventFilter(o, e);
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const std::function<void()>* prikaz = nullptr;
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            prikaz = &klavesy_.upravit;
            break;
        case Qt::Key_Insert:
            prikaz = &klavesy_.pridat;
            break;
        case Qt::Key_Delete:
            prikaz = &klavesy_.odstranit;
            break;
        default:
            return false;
        }
        if (!*prikaz)
            return false;
        (*prikaz)();
        return true;
    }

private:
    KlavesyMriezky klavesy_;
};

} // namespace

void pripojitKlavesy(QAbstractItemView* grid, KlavesyMriezky klavesy) {
    grid->installEventFilter(new KlavesyFilter(grid, std::move(klavesy)));
}

void pripravitMriezku(QTableView* grid) {
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setAlternatingRowColors(true);
    grid->setCornerButtonEnabled(false);
    // The column widths are narrow: the grid writes in a compact face.
    QFont pismo(QStringLiteral("Liberation Sans"));
    pismo.setPointSize(8);
    grid->setFont(pismo);
    grid->horizontalHeader()->setFont(pismo);
    grid->setItemDelegate(new BunkaMriezky(grid));
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 5);
    // The selection stays visible when the grid does not have the focus.
    QPalette paleta = grid->palette();
    paleta.setBrush(QPalette::Inactive, QPalette::Highlight,
                    paleta.brush(QPalette::Active, QPalette::Highlight));
    paleta.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.brush(QPalette::Active, QPalette::HighlightedText));
    grid->setPalette(paleta);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
}

int sirkaBunky(const QTableView* grid, const QString& text) {
    return QFontMetrics(grid->font()).horizontalAdvance(text) + 2 * okraj + 2;
}

void rozsiritStlpceSum(const QTableView* grid, QList<GridColumn>& stlpce,
                       const QHash<int, QString>& najsirsie) {
    int popis = -1; // the widest left-aligned column gives the room
    for (int i = 0; i < stlpce.size(); ++i)
        if ((stlpce[i].alignment & Qt::AlignLeft) &&
            (popis < 0 || stlpce[i].width > stlpce[popis].width))
            popis = i;
    // Room the grid has right of its last column comes first (a vertical scroll bar may
    // still take its part of it).
    if (QWidget* okno = grid->window(); okno && okno->layout())
        okno->layout()->activate();
    int volne = grid->viewport()->width() - grid->verticalScrollBar()->sizeHint().width();
    for (const GridColumn& c : stlpce)
        volne -= c.width;
    volne = std::max(0, volne);
    for (auto it = najsirsie.begin(); it != najsirsie.end(); ++it) {
        const int i = it.key();
        if (i < 0 || i >= stlpce.size() || !(stlpce[i].alignment & Qt::AlignRight))
            continue;
        const int treba = sirkaBunky(grid, it.value()) - stlpce[i].width;
        if (treba <= 0)
            continue;
        stlpce[i].width += treba;
        const int zVolneho = std::min(volne, treba);
        volne -= zVolneho;
        if (popis >= 0)
            stlpce[popis].width = std::max(80, stlpce[popis].width - (treba - zVolneho));
    }
}

TMriezka::TMriezka(DataSet& data, QWidget* parent) : QTableView(parent), data_(data) {
    setObjectName(QStringLiteral("DBGrid"));
    setModel(data.model());
    pripravitMriezku(this);
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

void TMriezka::nastavitStlpce(const QList<GridColumn>& stlpceNavrhu) {
    QList<GridColumn> stlpce = stlpceNavrhu;
    data_.model()->setColumns(stlpce);
    // A document has few lines: each amount column is measured over all of them.
    QHash<int, QString> najsirsie;
    const QFontMetrics fm(font());
    const int riadkov = std::min(model()->rowCount(), 5000);
    for (int r = 0; r < riadkov; ++r)
        for (int i = 0; i < stlpce.size(); ++i)
            if (stlpce[i].alignment & Qt::AlignRight) {
                const QString t = model()->index(r, i).data().toString();
                if (fm.horizontalAdvance(t) > fm.horizontalAdvance(najsirsie.value(i)))
                    najsirsie[i] = t;
            }
    rozsiritStlpceSum(this, stlpce, najsirsie);
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
