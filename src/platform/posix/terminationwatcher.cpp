#include "platform/terminationwatcher.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The self-pipe: the signal handler only writes one byte to it; the event loop reads it.
int signalPipe[2] = {-1, -1};
constexpr std::array termSignals = {SIGTERM, SIGINT, SIGHUP};
struct sigaction previousActions[termSignals.size()];

extern "C" void termSignalHandler(int signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // Non-blocking: a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

struct TerminationWatcher::Watch
{
    std::unique_ptr<QSocketNotifier> notifier;
};

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {}

TerminationWatcher::~TerminationWatcher()
{
    if (!m_watch)
        return;
    m_watch.reset();
    for (std::size_t i = 0; i < termSignals.size(); ++i)
        ::sigaction(termSignals[i], &previousActions[i], nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

bool TerminationWatcher::watch()
{
    if (m_watch)
        return true;
    if (signalPipe[0] != -1)
        return false; // another object holds the handlers
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
        return false;
    }
    m_watch.reset(
        new Watch{std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read)});
    connect(m_watch->notifier.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        Q_EMIT endRequested();
    });
    for (std::size_t i = 0; i < termSignals.size(); ++i) {
        struct sigaction action = {};
        action.sa_handler = termSignalHandler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(termSignals[i], &action, &previousActions[i]);
    }
    return true;
}
