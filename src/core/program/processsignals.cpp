#include "core/program/processsignals.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <csignal>
#include <pthread.h>
#endif

namespace ProcessSignals {

#ifdef Q_OS_WIN
void holdTermination() {}
void releaseTermination() {}
void ignoreFileSizeLimit() {}
#else
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
#endif

} // namespace ProcessSignals
