#pragma once

#include <QComboBox>

namespace saldovia {

class Kontext;

// The postable accounts of the chart as picker items, in account-number order: every
// entry whose kind is neither a class heading ("UT") nor a group heading ("US").
QStringList nacitatUcty(Kontext& kontext);

// An account picker (cbMaDat, cbDal): a drop-down list without free typing, narrow while
// closed so that it shows the number, wide while its list is open so that the names can
// be read.
class TUctovyVyber : public QComboBox {
    Q_OBJECT
public:
    static constexpr int SirkaRozbalena = 537;
    static constexpr int SirkaZbalena = 73;

    explicit TUctovyVyber(const QString& meno, QWidget* parent = nullptr);

    // Replaces the items; none is chosen afterwards.
    void nastavitPolozky(const QStringList& polozky);
    // The stored form of the chosen account: the item's first five characters; "" when
    // none is chosen.
    QString ucet() const;
    // Chooses the first item whose first five characters equal the stored account (or
    // equal it under the program's account rule). An empty account chooses nothing; an
    // account that no item offers is added as an item of its own, so that saving the
    // line unchanged keeps it.
    void nastavitUcet(const QString& ulozeny);

    void cbDropDown();
    void cbCloseUp();

    void showPopup() override;
    void hidePopup() override;
};

} // namespace saldovia
