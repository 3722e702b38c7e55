#include "UctovyVyber.h"

#include "CiselneZadanie.h"
#include "ui/Kontext.h"

#include <QAbstractItemView>

namespace saldovia {

QStringList nacitatUcty(Kontext& kontext) {
    const int n = kontext.SQL(QStringLiteral("SELECT Cislo, Nazov FROM UctovaOsnova WHERE Druh <> "
                                             "'UT' AND Druh <> 'US' ORDER BY Cislo;"));
    QStringList polozky;
    polozky.reserve(n);
    GeneralQuery& q = kontext.ADOQuery();
    for (int i = 1; i <= n; ++i) {
        q.setRecNo(i);
        polozky << polozkaUctu(q.text(QStringLiteral("Cislo")), q.text(QStringLiteral("Nazov")));
    }
    return polozky;
}

TUctovyVyber::TUctovyVyber(const QString& meno, QWidget* parent) : QComboBox(parent) {
    setObjectName(meno);
    setEditable(false);
    setFixedWidth(SirkaZbalena);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMaxVisibleItems(16);
    // A scrolled list of sixteen accounts rather than a menu of the whole chart.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    view()->setTextElideMode(Qt::ElideRight);
}

void TUctovyVyber::nastavitPolozky(const QStringList& polozky) {
    clear();
    addItems(polozky);
    setCurrentIndex(-1);
}

QString TUctovyVyber::ucet() const {
    return currentIndex() < 0 ? QString() : ucetPolozky(currentText());
}

void TUctovyVyber::nastavitUcet(const QString& ulozeny) {
    setCurrentIndex(-1);
    if (ulozeny.isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        if (ucetPolozky(itemText(i)) == ulozeny) {
            setCurrentIndex(i);
            return;
        }
    }
    for (int i = 0; i < count(); ++i) {
        if (rovnakyUcet(ucetPolozky(itemText(i)), ulozeny)) {
            setCurrentIndex(i);
            return;
        }
    }
    addItem(polozkaUctu(ulozeny.trimmed(), QStringLiteral("(účet nie je v účtovej osnove)")));
    setCurrentIndex(count() - 1);
}

void TUctovyVyber::cbDropDown() {
    setFixedWidth(SirkaRozbalena);
    raise();
}

void TUctovyVyber::cbCloseUp() {
    setFixedWidth(SirkaZbalena);
}

void TUctovyVyber::showPopup() {
    cbDropDown();
    QComboBox::showPopup();
    // The list is as wide as the widened picker; longer names end in an ellipsis.
    QWidget* zoznam = view()->window();
    if (zoznam != window())
        zoznam->resize(SirkaRozbalena, zoznam->height());
}

void TUctovyVyber::hidePopup() {
    QComboBox::hidePopup();
    cbCloseUp();
}

} // namespace saldovia
