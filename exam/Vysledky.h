#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;

namespace saldovia {

class Kontext;

// The results of a finished exam, a panel at the foot of the main window's white panel:
// the start and end, the three scores, and "Podrobnosti" for the comparison printout.
class TpnlVysledky : public QFrame {
    Q_OBJECT
public:
    // The panel's height; the function list keeps the space above it.
    static constexpr int Vyska = 146;

    TpnlVysledky(Kontext& kontext, QWidget* parent);

    // Scores the finished exam into the panel. `ukazat` shows the panel once its start and
    // end are filled in, before the lengthy scoring steps.
    void Vyhodnotit(const std::function<void()>& ukazat, bool ohlasitChyby = true);
    void btnPodrobnostiClick();

    QLabel* txtZaciatok;
    QLabel* txtKoniec;
    QLabel* txtPredkontacie;
    QLabel* txtVypocty;
    QLabel* txtHlavnaKniha;
    // Practice only: the checks the student used.
    QLabel* lblKontroly;
    QLabel* txtKontroly;
    QPushButton* btnPodrobnosti;

private:
    Kontext& kontext_;
};

} // namespace saldovia
