// A session manager of the smallest kind for the X tests: it speaks XSMP to the one client that
// connects and sends it what its standard input asks for, one word a line:
//   save    SaveYourself without shutdown (the session is saved and goes on)
//   logout  SaveYourself with shutdown
//   cancel  ShutdownCancelled (the user thought better of the logout)
//   die     Die (the session ends)
// It prints SESSION_MANAGER=<its address> first, then "registered", "saved" when the client's
// save is done, and "closed" when the client has gone, one a line.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

SmsConn client = nullptr;
IceConn clientIce = nullptr;

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void clientDrop()
{
    if (client)
        SmsCleanUp(client);
    IceSetShutdownNegotiation(clientIce, False);
    IceCloseConnection(clientIce);
    client = nullptr;
    clientIce = nullptr;
    say("closed");
}

Status newClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**)
{
    cb->register_client.callback = [](SmsConn conn, SmPointer, char* previousId) -> Status {
        std::free(previousId);
        char* id = SmsGenerateClientID(conn);
        SmsRegisterClientReply(conn, id);
        std::free(id);
        client = conn;
        say("registered");
        return 1;
    };
    cb->interact_request.callback = [](SmsConn conn, SmPointer, int) { SmsInteract(conn); };
    cb->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    cb->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    cb->save_yourself_phase2_request.callback = [](SmsConn c, SmPointer) {
        SmsSaveYourselfPhase2(c);
    };
    cb->save_yourself_done.callback = [](SmsConn, SmPointer, Bool ok) {
        say(ok ? "saved" : "save failed");
    };
    cb->close_connection.callback = [](SmsConn, SmPointer, int count, char** reasons) {
        SmFreeReasons(count, reasons);
        clientDrop();
    };
    // What the client tells of itself is of no interest here (a few bytes left for the life of
    // a test).
    cb->set_properties.callback = [](SmsConn, SmPointer, int, SmProp**) {};
    cb->delete_properties.callback = [](SmsConn, SmPointer, int, char**) {};
    cb->get_properties.callback = [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); };
    *mask = (1L << 10) - 1; // all ten callbacks above
    return 1;
}

Bool anyHost(char*)
{
    return True;
}

} // namespace

int main()
{
    char error[256] = "";
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!SmsInitialize("x11session", "1", newClient, nullptr, anyHost, sizeof error, error) ||
        !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "x11session: %s\n", error);
        return 1;
    }
    std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
    for (int i = 0; i < count; ++i) {
        IceSetHostBasedAuthProc(listeners[i], anyHost);
        fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
    }
    char* address = IceComposeNetworkIdList(count, listeners);
    std::printf("SESSION_MANAGER=%s\n", address);
    std::fflush(stdout);
    std::free(address);

    char line[64];
    for (;;) {
        fds.resize(count + 1);
        if (clientIce)
            fds.push_back({IceConnectionNumber(clientIce), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0)
            return 1;
        if (fds[0].revents) {
            const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
            if (n <= 0)
                return 0;
            line[n] = '\0';
            if (!client)
                continue;
            if (!std::strcmp(line, "save\n") || !std::strcmp(line, "logout\n"))
                SmsSaveYourself(client, SmSaveBoth, line[0] == 'l', SmInteractStyleNone, False);
            else if (!std::strcmp(line, "cancel\n"))
                SmsShutdownCancelled(client);
            else if (!std::strcmp(line, "die\n"))
                SmsDie(client);
        }
        for (int i = 0; i < count; ++i) {
            IceAcceptStatus status;
            IceConn accepted =
                fds[i + 1].revents ? IceAcceptConnection(listeners[i], &status) : nullptr;
            if (accepted && status == IceAcceptSuccess && !clientIce)
                clientIce = accepted;
        }
        if (fds.size() > std::size_t(count) + 1 && fds.back().revents && clientIce &&
            IceProcessMessages(clientIce, nullptr, nullptr) == IceProcessMessagesIOError)
            clientDrop();
    }
}
