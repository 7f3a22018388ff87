// A program built with nothing but pkg-config's flags for the runtime: a class of its own with Qt's
// meta-object (a signal, a property) and one of Qt's signals, connected and read by name, beside a call into
// the runtime.

#include <quorvane/status.h>

#include <QObject>
#include <QVariant>
#include <cstdio>

class Counter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count WRITE setCount NOTIFY countChanged)
public:
    int count() const { return count_; }
    void setCount(int count)
    {
        count_ = count;
        emit countChanged(count);
    }
signals:
    void countChanged(int count);

private:
    int count_ = 0;
};

int main()
{
    Counter counter;
    int told = 0;
    QObject::connect(&counter, &Counter::countChanged, [&](int count) { told = count; });
    // A signal Qt declares, named by its address: the program and Qt must agree on where it is.
    QString renamed;
    QObject::connect(&counter, &QObject::objectNameChanged, [&](const QString &name) { renamed = name; });
    counter.setProperty("count", 7);
    counter.setObjectName(QStringLiteral("counter"));
    const bool meta = counter.inherits("QObject") && qobject_cast<QObject *>(&counter) == &counter
        && counter.property("count").toInt() == 7 && told == 7 && renamed == QStringLiteral("counter");
    const bool runtime = qv::describeStatus(qv::status::ok) == QStringLiteral("No error");
    std::printf("meta-object %s, runtime %s\n", meta ? "works" : "FAILS", runtime ? "works" : "FAILS");
    return meta && runtime ? 0 : 1;
}

#include "main.moc"
