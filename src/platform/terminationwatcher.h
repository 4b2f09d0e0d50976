#pragma once

#include <QObject>

#include <memory>

// The system's requests to end the program, other than the session's end that Qt's session
// manager brings, as endRequested in the event loop: on Unix SIGTERM, SIGINT and SIGHUP, turned
// into it through a self-pipe, so the unload runs in the event loop and not in the signal
// handler; on Windows the console's Ctrl+C and close, and the session's end, which Qt's session
// manager misses while no window of Qt's exists. The handlers it replaced are back once it goes.
// One implementation a platform (posix/terminationwatcher.cpp).
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

    // True once watching, also when it already was. Only one object of the process can watch:
    // false for another, and where the pipe cannot be made.
    bool watch();

Q_SIGNALS:
    void endRequested();

private:
    struct Watch; // the platform's hold on the requests
    std::unique_ptr<Watch> m_watch;
};
