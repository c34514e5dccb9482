#pragma once

#include <QObject>

namespace corvelle {

// The one copy of the game that plays for this player. It holds an advisory lock on a file in
// the per-user runtime directory, which the kernel lets go of when the process ends however it
// ends, so no lock is ever stale; and it listens on a local socket beside it. A later start
// finds the lock taken, asks the running copy through the socket to come forward and ends.
// Whatever keeps the lock from being taken or checked at all, the game plays regardless.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Another copy holds the lock; it has already been asked to come forward.
    bool anotherCopyPlays() const { return anotherCopyPlays_; }

signals:
    // A later start asked this copy to show itself.
    void comeForwardRequested();

private:
    void listen(const QString& name);
    static bool askToComeForward(const QString& name);

    int lockFile_ = -1;
    bool anotherCopyPlays_ = false;
    int server_ = -1;
    QByteArray socketPath_;
};

// Shows the application's visible windows again, un-minimised, on top and active.
void bringWindowsForward();

} // namespace corvelle
