#pragma once

#include <QApplication>

namespace saldovia {

// The application object: an exception that escapes an event handler is shown in the
// general error box and the program goes on.
class Aplikacia : public QApplication {
public:
    Aplikacia(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Process-wide set-up shared by the program and the GUI tests: Slovak standard texts of
// Qt's dialogs, the Slovak locale, the application's name and icon set.
void nastavitAplikaciu(QApplication& app);

} // namespace saldovia
