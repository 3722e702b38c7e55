#include "TestAgenda.h"

#include <QFile>

#include <stdexcept>

TestAgenda::TestAgenda() {
    if (!dir_.isValid() || !QFile::copy(QStringLiteral(PREPARED_AGENDA), path()))
        throw std::runtime_error("cannot copy the prepared agenda");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void TestUlozenia::init() {
    agenda = std::make_unique<TestAgenda>();
    store = std::make_unique<saldovia::Store>();
    store->connectAgenda(agenda->path());
    pripravit();
}

void TestUlozenia::cleanup() {
    upratat();
    store.reset();
    agenda.reset();
}
