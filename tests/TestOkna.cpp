#include "TestOkna.h"

#include "store/Connection.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace saldovia;

void vykonat(const QString& path, const QString& sql) {
    Connection c;
    c.open(path);
    c.exec(sql);
}

std::unique_ptr<TfrmHlavny> spustitHlavne(const TestAgenda& agenda, const QString& sql) {
    if (!sql.isEmpty())
        vykonat(agenda.path(), sql);
    auto h = std::make_unique<TfrmHlavny>(agenda.dir());
    h->FormActivate();
    return h;
}

int pocetRiadkov(TfrmHlavny& h, const QString& table, const QString& where) {
    h.SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM %1%2;")
              .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    return static_cast<int>(h.ADOQuery().integer(QStringLiteral("Pocet")));
}

void prepisat(QLineEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    e->insert(text);
}

void TestOkien::init() {
    agenda = std::make_unique<TestAgenda>();
    // The user's application data (the exams that ended here) live in the test's own folder.
    qputenv("XDG_DATA_HOME", agenda->file(QStringLiteral("pouzivatel")).toUtf8());
    dialogs = std::make_unique<ScriptedDialogs>();
    pripravit();
}

namespace {

QList<QPointer<QTimer>> cakajuce;

} // namespace

void naOkno(const QString& meno, std::function<void(QDialog*)> f) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    cakajuce << timer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, f, ticks, meno] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool najdene = d && d->objectName() == meno && d->isVisible();
        if (++*ticks > 1000 || najdene) {
            timer->stop();
            timer->deleteLater();
            if (najdene) {
                // the user types once the window has taken the focus
                (void)QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }, 2000);
                f(d);
                if (d->isVisible())
                    d->reject();
            }
        }
    });
    timer->start();
}

void TestOkien::cleanup() {
    for (const QPointer<QTimer>& t : std::as_const(cakajuce))
        delete t.data();
    cakajuce.clear();
    upratat();
    dialogs.reset();
    agenda.reset();
}

void TestHlavnehoOkna::spustitOkno(const QString& nastavenia, const QString& datum) {
    vykonat(agenda->path(), nastavenia);
    h = std::make_unique<TfrmHlavny>(agenda->dir());
    h->FormActivate();
    if (!datum.isEmpty())
        h->setPracovnyDatum(datum);
    QVERIFY(dialogs->messages.isEmpty());
}
