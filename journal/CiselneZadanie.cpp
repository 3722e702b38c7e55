#include "CiselneZadanie.h"

#include <algorithm>
#include <limits>

namespace saldovia {

namespace {

__extension__ typedef __int128 Wide;

bool jeCislica(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The state with its caret and selection kept inside the text.
StavPola ohranicit(const StavPola& s) {
    StavPola r = s;
    r.zaciatok = std::clamp(r.zaciatok, 0, static_cast<int>(r.text.size()));
    r.dlzka = std::clamp(r.dlzka, 0, static_cast<int>(r.text.size()) - r.zaciatok);
    return r;
}

// The field's forms allow only ASCII digits, a sign and a comma; the value types would
// also take a dot and surrounding blanks.
template <class T> std::optional<T> citat(const QString& text) {
    for (QChar c : text)
        if (c == u'.' || c.isSpace())
            return std::nullopt;
    return T::parse(text);
}

} // namespace

StavPola stlacitZnak(const StavPola& povodny, QChar znak, int desatinne) {
    StavPola s = ohranicit(povodny);
    QString& t = s.text;
    if (znak == QChar(Backspace)) {
        if (s.dlzka > 0) {
            t.remove(s.zaciatok, s.dlzka);
        } else if (s.zaciatok > 0) {
            t.remove(s.zaciatok - 1, 1);
            --s.zaciatok;
        }
        s.dlzka = 0;
        return s;
    }
    const qsizetype ciarka = t.indexOf(u',');
    if (znak == u',' && ciarka >= 0)
        return {t, static_cast<int>(ciarka) + 1, 0};
    if (!jeCislica(znak) && znak != u',')
        return povodny;
    t = t.left(s.zaciatok) + znak + t.mid(s.zaciatok + s.dlzka);
    s.zaciatok += 1;
    s.dlzka = 0;
    const qsizetype c = t.indexOf(u',');
    if (c >= 0 && t.size() - c - 1 > desatinne) {
        t.chop(1);
        s.zaciatok = std::min(s.zaciatok, static_cast<int>(t.size()));
    }
    return s;
}

StavPola odstranitVyber(const StavPola& povodny) {
    StavPola s = ohranicit(povodny);
    if (s.dlzka == 0)
        return povodny;
    s.text.remove(s.zaciatok, s.dlzka);
    s.dlzka = 0;
    return s;
}

std::optional<QString> cisloZoSchranky(const QString& schranka) {
    const QString t = schranka.trimmed();
    QString cislo;
    cislo.reserve(t.size());
    // Digits since the last thousands separator (-1: none met yet), and whether the comma
    // was met.
    int skupina = -1;
    int cislic = 0;
    bool ciarka = false;
    for (QChar c : t) {
        if (jeCislica(c)) {
            ++cislic;
            cislo += c;
        } else if (c == u',' && !ciarka) {
            if (skupina >= 0 && cislic != 3)
                return std::nullopt;
            ciarka = true;
            cislo += c;
        } else if ((c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F)) && !ciarka) {
            // A separator follows one to three digits, then groups of exactly three.
            if (cislic == 0 || cislic > 3 || (skupina >= 0 && cislic != 3))
                return std::nullopt;
            skupina = 0;
            cislic = 0;
        } else {
            return std::nullopt;
        }
    }
    if (skupina >= 0 && !ciarka && cislic != 3)
        return std::nullopt;
    return cislo;
}

std::optional<StavPola> vlozit(const StavPola& povodny, const QString& schranka, int desatinne) {
    const StavPola s = ohranicit(povodny);
    const std::optional<QString> cislo = cisloZoSchranky(schranka);
    if (!cislo)
        return std::nullopt;
    const QString t = s.text.left(s.zaciatok) + *cislo + s.text.mid(s.zaciatok + s.dlzka);
    if (!jeCislo(t, desatinne))
        return std::nullopt;
    return StavPola{t, s.zaciatok + static_cast<int>(cislo->size()), 0};
}

std::optional<Amount> citatSumu(const QString& text) {
    return citat<Amount>(text);
}

std::optional<Rate> citatKurz(const QString& text) {
    return citat<Rate>(text);
}

bool jeCislo(const QString& text, int desatinne) {
    return desatinne == 3 ? citatKurz(text).has_value() : citatSumu(text).has_value();
}

std::optional<QString> formatovat(const QString& text, int desatinne) {
    if (desatinne == 3) {
        if (auto k = citatKurz(text))
            return k->toText();
    } else if (auto a = citatSumu(text)) {
        return a->toText();
    }
    return std::nullopt;
}

std::optional<Amount> sucin(Amount ciastka, Rate kurz) {
    const Wide p = static_cast<Wide>(ciastka.units()) * kurz.units();
    const Wide limit =
        static_cast<Wide>(std::numeric_limits<std::int64_t>::max() - 1) * Rate::scale();
    if (p > limit || p < -limit)
        return std::nullopt;
    return multiply(ciastka, kurz);
}

QString polozkaUctu(const QString& cislo, const QString& nazov) {
    return cislo + QString(8, u' ') + nazov;
}

QString ucetPolozky(const QString& polozka) {
    return polozka.left(5);
}

bool rovnakyUcet(const QString& a, const QString& b) {
    auto bezMedzier = [](QString s) {
        while (s.endsWith(u' '))
            s.chop(1);
        return s;
    };
    return bezMedzier(a) == bezMedzier(b);
}

QPoint bodMenu(const QRect& tlacidlo, const QPoint& kurzor) {
    const QPoint stred = tlacidlo.center();
    const bool x = kurzor.x() >= tlacidlo.left() && kurzor.x() <= tlacidlo.right();
    const bool y = kurzor.y() >= tlacidlo.top() && kurzor.y() <= tlacidlo.bottom();
    return {x ? kurzor.x() : stred.x(), y ? kurzor.y() : stred.y()};
}

} // namespace saldovia
