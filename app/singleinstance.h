// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

namespace corvelle {

// The one copy of the game that plays for this player. It listens on a Linux abstract socket, a
// name that lives in no folder, named after the user and the runtime folder: only one socket can
// hold the name, nothing in the file system can spoil it, and it goes with the process however the
// process ends, so it is never stale. A later start finds the name taken by a copy of the same
// user, and connecting to it is the request to come forward; that start then ends. Beside it the
// copy holds an advisory lock on a file in the runtime folder, when that is a plain file, for a
// copy that cannot meet it at the name (an older version, another network namespace), and writes
// its process id there for a person looking. Whatever keeps both from being taken or checked,
// the game plays regardless.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Another copy plays; it has already been asked to come forward.
    bool anotherCopyPlays() const { return anotherCopyPlays_; }

    // The abstract name at which this user's copies meet, without its leading NUL byte.
    static QByteArray meetingName();

signals:
    // A later start of the same user asked this copy to show itself.
    void comeForwardRequested();

private:
    bool listen(const QByteArray& name);
    void answerRequests();
    void lockFile();

    int server_ = -1;
    int lockFile_ = -1;
    bool anotherCopyPlays_ = false;
};

// Shows the application's visible windows again, un-minimised, on top and active.
void bringWindowsForward();

} // namespace corvelle
