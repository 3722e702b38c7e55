#include "Hodiny.h"

#include "store/Connection.h"
#include "store/DataSet.h"
#include "store/Values.h"

#include <QTimer>

namespace saldovia {

namespace {
const QString Nula = QStringLiteral("0:00:00");
}

SkuskaHodiny::SkuskaHodiny(SettingsRow& nastavenie, Teraz teraz, QObject* parent)
    : QObject(parent), nastavenie_(nastavenie),
      teraz_(teraz ? std::move(teraz) : Teraz(&QDateTime::currentDateTime)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("SkuskaHodiny"));
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setInterval(1000);
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
    zobrazit(s.text(QStringLiteral("SkuskaZostatok")));
    timer_->start();
    return zacina;
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
        const QString novy = durationToText(*sekundy - 1);
        zobrazit(novy);
        zapisat(QStringLiteral("SkuskaZostatok"), novy);
        return;
    }
    timer_->stop();
    if (okolie_.vyprsal)
        okolie_.vyprsal();
    if (nastavenie_.text(QStringLiteral("SkuskaKoniec")).isEmpty()) {
        zapisat(QStringLiteral("SkuskaKoniec"), timestampToText(teraz_()));
        if (okolie_.skoncila)
            okolie_.skoncila();
    }
    if (okolie_.vyhodnotit)
        okolie_.vyhodnotit();
}

} // namespace saldovia
