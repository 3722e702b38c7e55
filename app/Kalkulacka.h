#pragma once

#include "ui/Okna.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace saldovia {

// A calculator value: an exact decimal with up to ten places and at most eighteen digits
// before the comma. A sum or difference shows as many decimals as the more precise of its
// terms (1234567,89 + 0,01 = 1234567,90); products and quotients are rounded to ten places,
// halves away from zero, and show no trailing zeros.
struct VysledokKalkulacky;

class CisloKalkulacky {
public:
    static constexpr int Miesta = 10;
    static constexpr int CislicPredCiarkou = 18;

    CisloKalkulacky() = default;
    // Reads "12", "-0,5", "1234567,89"; nullopt for anything else or for too many digits.
    static std::optional<CisloKalkulacky> zTextu(const QString& text);
    // "1234567,90", "-0,01", "0": a comma and the value's decimals.
    QString text() const;
    bool jeNula() const { return m_ == 0; }

    static VysledokKalkulacky plus(const CisloKalkulacky& a, const CisloKalkulacky& b);
    static VysledokKalkulacky minus(const CisloKalkulacky& a, const CisloKalkulacky& b);
    static VysledokKalkulacky krat(const CisloKalkulacky& a, const CisloKalkulacky& b);
    static VysledokKalkulacky deleno(const CisloKalkulacky& a, const CisloKalkulacky& b);

private:
    __extension__ typedef __int128 Mantisa;
    static VysledokKalkulacky overit(Mantisa m, int miesta);
    Mantisa m_ = 0;  // the value times 10^10
    int miesta_ = 0; // decimals shown
};

enum class ChybaKalkulacky { DelenieNulou, Rozsah };

// A result, or why there is none.
struct VysledokKalkulacky {
    std::optional<CisloKalkulacky> cislo;
    ChybaKalkulacky chyba = ChybaKalkulacky::Rozsah;
};

// The built-in calculator, used when the desktop has none installed. It is a window of
// its own beside the program: the student keeps it open while posting.
class TfrmKalkulacka : public TfrmMaleOkno {
    Q_OBJECT
public:
    explicit TfrmKalkulacka(Kontext& kontext);

    // Presses a key of the calculator: "0"-"9", ",", "+", "-", "*", "/", "=", "C", "±", "⌫".
    void stlacit(const QString& key);
    QString displej() const;
    // The reason of "Chyba" on the display, empty otherwise.
    QString sprava() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void vypocitat();
    void chyba(ChybaKalkulacky c);
    QLineEdit* displej_;
    QLabel* sprava_;
    CisloKalkulacky akumulator_;
    QString operacia_;
    bool novyVstup_ = true;
};

} // namespace saldovia
