#pragma once

#include "store/Store.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A fresh copy of the prepared agenda in its own temporary folder.
class TestAgenda {
public:
    TestAgenda();
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("Data.mdb")); }
    // A path in the same folder.
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readFileBytes(const QString& path);
// Runs `f` in a forked child process and returns the lines it gave; {"SKIP"} where no child
// can be started.
QStringList vDetskomProcese(const std::function<QStringList()>& f);
// Runs `f` in a child process as an ordinary user, so that permissions apply (root becomes
// "nobody" there: the files it needs must be open to others), and returns the lines it
// gave; {"SKIP"} where that cannot be done.
QStringList akoPouzivatel(const std::function<QStringList()>& f);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// The fixture of the tests without windows: every test gets a fresh agenda connected in a
// store. A test class adds its own set-up in pripravit() and its own clean-up in upratat()
// instead of declaring init and cleanup.
class TestUlozenia : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<TestAgenda> agenda;
    std::unique_ptr<saldovia::Store> store;

    virtual void pripravit() {}
    virtual void upratat() {}

private slots:
    void init();
    void cleanup();
};
