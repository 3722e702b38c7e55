#pragma once

#include "ui/Aplikacia.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Runs f on the next modal dialog that opens (the test then usually closes it), so that
// a handler that shows a window modally can be driven from a test.
// Gives up after two seconds.
inline void naDalsieOkno(std::function<void(QDialog*)> f) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, f, ticks] {
        if (++*ticks > 400) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            f(d);
        }
    });
    timer->start();
}

// Closes the next modal dialog and returns its name through the given string.
inline void zatvoritDalsieOkno(QString* meno) {
    naDalsieOkno([meno](QDialog* d) {
        if (meno)
            *meno = d->objectName();
        d->reject();
    });
}

// A test main that sets the application up as the program does (Slovak texts, icons).
#define SALDOVIA_GUI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        saldovia::nastavitAplikaciu(app);                                                          \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
