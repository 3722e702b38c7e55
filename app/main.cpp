#include "store/Agenda.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saldovia"));
    const QString agenda = QCoreApplication::applicationDirPath() + QStringLiteral("/Data.mdb");
    QLabel window(saldovia::kontrolaDatabazy(agenda) ? QStringLiteral("Agenda je pripravená.")
                                                     : QStringLiteral("Agenda sa nedá použiť."));
    window.setWindowTitle(QStringLiteral("Saldovia"));
    window.resize(320, 120);
    window.show();
    return app.exec();
}
