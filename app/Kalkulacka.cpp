#include "Kalkulacka.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace saldovia {

namespace {

__extension__ typedef __int128 Velke;

constexpr Velke mocnina(int n) {
    Velke v = 1;
    for (int i = 0; i < n; ++i)
        v *= 10;
    return v;
}

constexpr Velke Jednotka = mocnina(CisloKalkulacky::Miesta);
constexpr Velke Hranica = mocnina(CisloKalkulacky::Miesta + CisloKalkulacky::CislicPredCiarkou);

// n / d rounded to an integer, halves away from zero; d is not zero and |n| + |d| fits.
Velke zaokruhlenyPodiel(Velke n, Velke d) {
    Velke q = n / d;
    const Velke r = n % d;
    const Velke absR = r < 0 ? -r : r;
    const Velke absD = d < 0 ? -d : d;
    if (absR >= absD - absR)
        q += ((n < 0) != (d < 0)) ? -1 : 1;
    return q;
}

const QString TextChyby = QStringLiteral("Chyba");

} // namespace

std::optional<CisloKalkulacky> CisloKalkulacky::zTextu(const QString& text) {
    QString t = text;
    const bool zaporne = t.startsWith(u'-');
    if (zaporne)
        t.remove(0, 1);
    const qsizetype ciarka = t.indexOf(u',');
    const QString cele = ciarka < 0 ? t : t.left(ciarka);
    const QString desatinne = ciarka < 0 ? QString() : t.mid(ciarka + 1);
    if (cele.isEmpty() || cele.size() > CislicPredCiarkou || desatinne.size() > Miesta)
        return std::nullopt;
    Velke m = 0;
    for (const QChar c : cele + desatinne.leftJustified(Miesta, u'0')) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        m = m * 10 + (c.unicode() - u'0');
    }
    CisloKalkulacky k;
    k.m_ = zaporne ? -m : m;
    k.miesta_ = static_cast<int>(desatinne.size());
    return k;
}

QString CisloKalkulacky::text() const {
    Velke m = m_ < 0 ? -m_ : m_;
    QString cislice;
    while (m > 0) {
        cislice.prepend(QChar(u'0' + static_cast<int>(m % 10)));
        m /= 10;
    }
    cislice = cislice.rightJustified(Miesta + 1, u'0');
    QString t = cislice.left(cislice.size() - Miesta);
    const QString desatinne = cislice.right(Miesta).left(miesta_);
    if (!desatinne.isEmpty())
        t += u',' + desatinne;
    return m_ < 0 ? u'-' + t : t;
}

// miesta < 0: as many decimals as the value needs.
VysledokKalkulacky CisloKalkulacky::overit(Mantisa m, int miesta) {
    if (m >= Hranica || m <= -Hranica)
        return {std::nullopt, ChybaKalkulacky::Rozsah};
    CisloKalkulacky k;
    k.m_ = m;
    if (miesta < 0) {
        miesta = Miesta;
        while (miesta > 0 && m % mocnina(Miesta - miesta + 1) == 0)
            --miesta;
    }
    k.miesta_ = miesta;
    return {k, ChybaKalkulacky::Rozsah};
}

VysledokKalkulacky CisloKalkulacky::plus(const CisloKalkulacky& a, const CisloKalkulacky& b) {
    return overit(a.m_ + b.m_, std::max(a.miesta_, b.miesta_));
}

VysledokKalkulacky CisloKalkulacky::minus(const CisloKalkulacky& a, const CisloKalkulacky& b) {
    return overit(a.m_ - b.m_, std::max(a.miesta_, b.miesta_));
}

VysledokKalkulacky CisloKalkulacky::krat(const CisloKalkulacky& a, const CisloKalkulacky& b) {
    // a·b / 10^10 split at b's comma, so that no partial product leaves 128 bits:
    // a·(cele·10^10 + zlomok) / 10^10 = a·cele + a·zlomok / 10^10.
    const Velke cele = b.m_ / Jednotka;
    const Velke zlomok = b.m_ % Jednotka;
    Velke celaCast = 0;
    if (__builtin_mul_overflow(a.m_, cele, &celaCast) || celaCast >= Hranica ||
        celaCast <= -Hranica)
        return {std::nullopt, ChybaKalkulacky::Rozsah};
    return overit(celaCast + zaokruhlenyPodiel(a.m_ * zlomok, Jednotka), -1);
}

VysledokKalkulacky CisloKalkulacky::deleno(const CisloKalkulacky& a, const CisloKalkulacky& b) {
    if (b.m_ == 0)
        return {std::nullopt, ChybaKalkulacky::DelenieNulou};
    // |a| < 10^28, so a·10^10 < 10^38 still fits.
    return overit(zaokruhlenyPodiel(a.m_ * Jednotka, b.m_), -1);
}

TfrmKalkulacka::TfrmKalkulacka(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmKalkulacka"), QStringLiteral("Kalkulačka"), 5) {
    displej_ = new QLineEdit(QStringLiteral("0"));
    displej_->setObjectName(QStringLiteral("edtDisplej"));
    displej_->setReadOnly(true);
    displej_->setAlignment(Qt::AlignRight);
    displej_->setMinimumHeight(36);
    QFont pismo = displej_->font();
    pismo.setPointSize(16);
    displej_->setFont(pismo);
    displej_->setFocusPolicy(Qt::NoFocus);
    // the longest value: a sign, eighteen digits, a comma and ten decimals
    displej_->setMinimumWidth(displej_->fontMetrics().horizontalAdvance(QString(30, u'8')) + 16);

    sprava_ = new QLabel;
    sprava_->setObjectName(QStringLiteral("lblSprava"));
    sprava_->setStyleSheet(QStringLiteral("color: #A00000;"));
    auto* presnost =
        new QLabel(QStringLiteral("Počíta presne; násobenie a delenie sa zaokrúhľuje na %1 "
                                  "desatinných miest.")
                       .arg(CisloKalkulacky::Miesta));
    presnost->setObjectName(QStringLiteral("lblPresnost"));
    presnost->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(displej_, 0, 0, 1, 4);
    grid->addWidget(sprava_, 1, 0, 1, 4);
    const char* keys[5][4] = {{"C", "⌫", "±", "/"},
                              {"7", "8", "9", "*"},
                              {"4", "5", "6", "-"},
                              {"1", "2", "3", "+"},
                              {"0", ",", "=", nullptr}};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!keys[r][c])
                continue;
            const QString key = QString::fromUtf8(keys[r][c]);
            QString label = key;
            if (key == QLatin1String("*"))
                label = QStringLiteral("×");
            else if (key == QLatin1String("/"))
                label = QStringLiteral("÷");
            else if (key == QLatin1String("-"))
                label = QStringLiteral("−");
            auto* b = new QPushButton(label);
            b->setObjectName(QStringLiteral("btn%1%2").arg(r).arg(c));
            b->setFocusPolicy(Qt::NoFocus);
            b->setMinimumSize(48, 36);
            connect(b, &QPushButton::clicked, this, [this, key] { stlacit(key); });
            grid->addWidget(b, r + 2, c, 1, key == QLatin1String("=") ? 2 : 1);
        }
    }
    grid->addWidget(presnost, 7, 0, 1, 4);
}

QString TfrmKalkulacka::displej() const {
    return displej_->text();
}

QString TfrmKalkulacka::sprava() const {
    return sprava_->text();
}

void TfrmKalkulacka::chyba(ChybaKalkulacky c) {
    displej_->setText(TextChyby);
    sprava_->setText(c == ChybaKalkulacky::DelenieNulou
                         ? QStringLiteral("Nulou sa deliť nedá.")
                         : QStringLiteral("Výsledok má viac ako %1 číslic pred desatinnou "
                                          "čiarkou.")
                               .arg(CisloKalkulacky::CislicPredCiarkou));
}

void TfrmKalkulacka::vypocitat() {
    // the display always holds a value that zTextu reads (the keys keep it so)
    const CisloKalkulacky x = CisloKalkulacky::zTextu(displej_->text()).value_or(akumulator_);
    VysledokKalkulacky r{x};
    if (operacia_ == QLatin1String("+"))
        r = CisloKalkulacky::plus(akumulator_, x);
    else if (operacia_ == QLatin1String("-"))
        r = CisloKalkulacky::minus(akumulator_, x);
    else if (operacia_ == QLatin1String("*"))
        r = CisloKalkulacky::krat(akumulator_, x);
    else if (operacia_ == QLatin1String("/"))
        r = CisloKalkulacky::deleno(akumulator_, x);
    if (!r.cislo) {
        chyba(r.chyba);
        return;
    }
    akumulator_ = *r.cislo;
    displej_->setText(akumulator_.text());
}

void TfrmKalkulacka::stlacit(const QString& key) {
    QString t = displej_->text();
    if (t == TextChyby && key != QLatin1String("C"))
        return;
    if (key.size() == 1 && key[0].isDigit()) {
        const QString novy = novyVstup_ || t == QLatin1String("0") ? key
                             : t == QLatin1String("-0")            ? u'-' + key
                                                                   : t + key;
        // digits beyond what a value holds are not taken
        if (CisloKalkulacky::zTextu(novy)) {
            displej_->setText(novy);
            novyVstup_ = false;
        }
    } else if (key == QLatin1String(",")) {
        if (novyVstup_)
            displej_->setText(QStringLiteral("0,"));
        else if (!t.contains(u','))
            displej_->setText(t + u',');
        novyVstup_ = false;
    } else if (key == QLatin1String("C")) {
        displej_->setText(QStringLiteral("0"));
        sprava_->clear();
        akumulator_ = {};
        operacia_.clear();
        novyVstup_ = true;
    } else if (key == QStringLiteral("⌫")) {
        if (!novyVstup_) {
            t.chop(1);
            displej_->setText(t.isEmpty() || t == QLatin1String("-") ? QStringLiteral("0") : t);
        }
    } else if (key == QStringLiteral("±")) {
        if (t != QLatin1String("0"))
            displej_->setText(t.startsWith(u'-') ? t.mid(1) : u'-' + t);
    } else if (key == QLatin1String("=")) {
        vypocitat();
        operacia_.clear();
        novyVstup_ = true;
    } else { // an operation
        if (!novyVstup_ || operacia_.isEmpty())
            vypocitat();
        if (displej_->text() == TextChyby)
            return;
        operacia_ = key;
        novyVstup_ = true;
    }
}

void TfrmKalkulacka::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        stlacit(QStringLiteral("="));
    } else if (e->key() == Qt::Key_Backspace) {
        stlacit(QStringLiteral("⌫"));
    } else if (e->key() == Qt::Key_Delete) {
        stlacit(QStringLiteral("C"));
    } else if (text == QLatin1String(".")) {
        stlacit(QStringLiteral(","));
    } else if (text.size() == 1 && QStringLiteral("0123456789,+-*/=").contains(text)) {
        stlacit(text);
    } else {
        TfrmMaleOkno::keyPressEvent(e);
    }
}

} // namespace saldovia
