#include "Hodiny.h"

#include "store/Connection.h"
#include "store/DataSet.h"
#include "store/Values.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace saldovia {

namespace {
const QString Nula = QStringLiteral("0:00:00");
}

SkuskaHodiny::SkuskaHodiny(SettingsRow& nastavenie, Teraz teraz, QObject* parent,
                           Monotonne monotonne)
    : QObject(parent), nastavenie_(nastavenie),
      teraz_(teraz ? std::move(teraz) : Teraz(&QDateTime::currentDateTime)),
      monotonne_(std::move(monotonne)), timer_(new QTimer(this)) {
    if (!monotonne_) {
        auto hodiny = std::make_shared<QElapsedTimer>();
        hodiny->start();
        monotonne_ = [hodiny] { return hodiny->elapsed(); };
    }
    setObjectName(QStringLiteral("SkuskaHodiny"));
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(1000);
    timer_->setTimerType(Qt::PreciseTimer); // never early: each tick counts a second
}

bool SkuskaHodiny::bezi() const {
    return timer_->isActive();
}

QString SkuskaHodiny::zostatok() const {
    return okolie_.zostatok ? okolie_.zostatok() : QString();
}

void SkuskaHodiny::zobrazit(const QString& text) {
    if (okolie_.zobrazit)
        okolie_.zobrazit(text);
}

void SkuskaHodiny::zapisat(const QString& pole, const QString& hodnota) {
    nastavenie_.edit();
    nastavenie_.setText(pole, hodnota);
    if (okolie_.doplnit)
        okolie_.doplnit(nastavenie_);
    nastavenie_.post();
}

bool SkuskaHodiny::spustit() {
    SettingsRow& s = nastavenie_;
    const bool zacina = s.text(QStringLiteral("SkuskaZaciatok")).isEmpty();
    if (zacina) {
        s.edit();
        s.setText(QStringLiteral("SkuskaZostatok"), s.text(QStringLiteral("SkuskaDlzka")));
        s.setText(QStringLiteral("SkuskaZaciatok"), timestampToText(teraz_()));
        s.post();
    }
    const QString zostatok = s.text(QStringLiteral("SkuskaZostatok"));
    zobrazit(zostatok);
    zaciatokBehu_ = monotonne_();
    zostatokPriSpusteni_ = durationFromText(zostatok).value_or(0);
    pouzitePredtym_ =
        std::max<qint64>(0, durationFromText(s.text(QStringLiteral("SkuskaDlzka"))).value_or(0) -
                                zostatokPriSpusteni_);
    timer_->start();
    return zacina;
}

qint64 SkuskaHodiny::pouzite() const {
    return pouzitePredtym_ + std::max<qint64>(0, (monotonne_() - zaciatokBehu_) / 1000);
}

void SkuskaHodiny::zastavit() {
    timer_->stop();
}

void SkuskaHodiny::vypnut() {
    timer_->stop();
    zobrazit(QString());
}

bool SkuskaHodiny::zostavaCas() const {
    const QString z = zostatok();
    return !z.isEmpty() && z != Nula;
}

void SkuskaHodiny::ukoncit() {
    if (!zostavaCas())
        return;
    zobrazit(Nula);
    nastavenie_.edit();
    nastavenie_.setText(QStringLiteral("SkuskaZostatok"), Nula);
    nastavenie_.post();
}

void SkuskaHodiny::tik() {
    if (!nastavenie_.isOpen() || nastavenie_.text(QStringLiteral("SkuskaDlzka")).isEmpty()) {
        // A tick that outlived its exam (the agenda was disconnected or left exam mode).
        timer_->stop();
        return;
    }
    const QString z = zostatok();
    if (z != Nula) {
        const auto sekundy = durationFromText(z);
        if (!sekundy) {
            // Stopped first: every further tick would only repeat the error box.
            timer_->stop();
            throw DbError(QStringLiteral("'%1' nie je platný čas.").arg(z));
        }
        // Each tick counts a second, and a late tick the whole time that passed by the
        // monotonic clock: the count never runs slower than the time, nor below zero.
        const qint64 beh = std::max<qint64>(0, (monotonne_() - zaciatokBehu_) / 1000);
        const QString novy = durationToText(std::max<std::int64_t>(
            0, std::min<std::int64_t>(*sekundy - 1, zostatokPriSpusteni_ - beh)));
        zobrazit(novy);
        zapisat(QStringLiteral("SkuskaZostatok"), novy);
        return;
    }
    timer_->stop();
    if (okolie_.vyprsal)
        okolie_.vyprsal();
    if (nastavenie_.text(QStringLiteral("SkuskaKoniec")).isEmpty()) {
        // Never before the start and the time used: a clock set back during the exam moves
        // the end no earlier than that.
        QDateTime koniec = teraz_();
        if (const auto zaciatok =
                timestampFromText(nastavenie_.text(QStringLiteral("SkuskaZaciatok")))) {
            const QDateTime najskor = zaciatok->addSecs(pouzite());
            if (koniec < najskor)
                koniec = najskor;
        }
        zapisat(QStringLiteral("SkuskaKoniec"), timestampToText(koniec));
        if (okolie_.skoncila)
            okolie_.skoncila();
    }
    if (okolie_.vyhodnotit)
        okolie_.vyhodnotit();
}

} // namespace saldovia
