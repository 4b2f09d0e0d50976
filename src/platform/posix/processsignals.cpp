#include "platform/processsignals.h"

#include <csignal>
#include <initializer_list>
#include <pthread.h>

namespace ProcessSignals {

namespace {

void maskTermination(int how)
{
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&signals, signal);
    pthread_sigmask(how, &signals, nullptr);
}

} // namespace

void holdTermination()
{
    maskTermination(SIG_BLOCK);
}

void releaseTermination()
{
    maskTermination(SIG_UNBLOCK);
}

void ignoreFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace ProcessSignals
