#pragma once
// Reads the names in a directory on a thread of its own, so that a huge, slow or unreadable directory never
// holds up the window that lists it. Names are read as raw bytes and shown as far as they decode: a name that
// is not valid UTF-8 keeps its readable part, with replacement characters for the rest.

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <thread>

namespace qv
{

class DirectoryReader final : public QObject
{
public:
    enum class Entries { Files, Directories };
    using Delivery = std::function<void(const QStringList &names)>;

    // Takes over `directory`, an open descriptor (-1: nothing to read, nothing delivered), and reads its
    // visible entries of one kind; `deliver` gets them sorted, once, on this object's thread, unless this
    // object goes first.
    DirectoryReader(int directory, Entries entries, Delivery deliver, QObject &owner);
    // Stops the reading between two entries and waits for the thread.
    ~DirectoryReader() override;

    // Waits for the names still being read and delivers them now, if they were not delivered yet: for a
    // program that asks what a list holds right after it changed what the list reads.
    void finish();

    // `path` opened for reading, or -1 when it cannot be (gone, or not readable).
    static int openDirectory(const QString &path);

private:
    // On this object's thread, from the worker's queued call or from finish(), whichever comes first.
    void deliverOnce();

    Delivery deliver_;
    // Written by the worker before it queues the delivery, read on this object's thread after that.
    std::optional<QStringList> names_;
    bool delivered_ = false;
    std::jthread worker_;
};

} // namespace qv
