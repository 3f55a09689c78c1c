// SPDX-License-Identifier: MIT
// A session manager just big enough for the real-window tests: it speaks XSMP through libSM with
// one client at a time and is driven line by line on stdin ("save", "shutdown", "die"). It prints
// SESSION_MANAGER=<address> first, then one line per thing a client does: "registered",
// "property NAME VALUE" for each card8 property (RestartStyleHint), "save-done 1|0",
// "closed". Any client may connect: host-based authentication accepts every host.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

SmsConn client = nullptr;
IceConn clientIce = nullptr;

void say(const char* format, const char* text)
{
    printf(format, text);
    putchar('\n');
    fflush(stdout);
}

Bool anyHost(char*)
{
    return True;
}

Status registerClient(SmsConn conn, SmPointer, char* previousId)
{
    free(previousId);
    SmsRegisterClientReply(conn, SmsGenerateClientID(conn));
    say("%s", "registered");
    return 1;
}

void saveDone(SmsConn, SmPointer, Bool success)
{
    say("save-done %s", success ? "1" : "0");
}

void setProperties(SmsConn, SmPointer, int count, SmProp** props)
{
    for (int i = 0; i < count; ++i) {
        if (strcmp(props[i]->type, SmCARD8) == 0 && props[i]->num_vals == 1) {
            printf("property %s %d\n", props[i]->name,
                   *static_cast<unsigned char*>(props[i]->vals[0].value));
            fflush(stdout);
        }
        SmFreeProperty(props[i]);
    }
    free(props);
}

void closeConnection(SmsConn conn, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(conn);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    client = nullptr;
    clientIce = nullptr;
    say("%s", "closed");
}

void ignoreInteract(SmsConn conn, SmPointer, int)
{
    SmsInteract(conn);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

void getProperties(SmsConn conn, SmPointer)
{
    SmsReturnProperties(conn, 0, nullptr);
}

void interactDone(SmsConn, SmPointer, Bool) {}

void saveRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void phase2Request(SmsConn conn, SmPointer)
{
    SmsSaveYourselfPhase2(conn);
}

Status newClient(SmsConn conn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->save_yourself_done.callback = saveDone;
    callbacks->set_properties.callback = setProperties;
    callbacks->close_connection.callback = closeConnection;
    callbacks->interact_request.callback = ignoreInteract;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    // libSM calls every callback without looking at the mask: each one must be there.
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    client = conn;
    return 1;
}

void command(const char* line)
{
    if (!client) {
        say("no-client %s", line);
        return;
    }
    if (strcmp(line, "save") == 0)
        SmsSaveYourself(client, SmSaveBoth, False, SmInteractStyleNone, False);
    else if (strcmp(line, "shutdown") == 0)
        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleNone, False);
    else if (strcmp(line, "die") == 0)
        SmsDie(client);
    else
        say("unknown %s", line);
}

} // namespace

int main()
{
    char error[256] = "";
    if (!SmsInitialize("tessaly-tests", "1.0", newClient, nullptr, anyHost, sizeof error, error)) {
        fprintf(stderr, "sm_manager: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error) || count == 0) {
        fprintf(stderr, "sm_manager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    char* address = IceComposeNetworkIdList(count, listeners);
    say("SESSION_MANAGER=%s", address);
    free(address);

    char line[64];
    for (;;) {
        struct pollfd fds[16];
        int n = 0;
        fds[n++] = pollfd{0, POLLIN, 0};
        for (int i = 0; i < count && n < 15; ++i)
            fds[n++] = pollfd{IceGetListenConnectionNumber(listeners[i]), POLLIN, 0};
        if (clientIce)
            fds[n++] = pollfd{IceConnectionNumber(clientIce), POLLIN, 0};
        if (poll(fds, static_cast<nfds_t>(n), -1) < 0)
            return 1;
        if (fds[0].revents) {
            if (!fgets(line, sizeof line, stdin))
                return 0;
            line[strcspn(line, "\n")] = '\0';
            command(line);
        }
        for (int i = 0; i < count; ++i) {
            if (!(fds[1 + i].revents & POLLIN))
                continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(listeners[i], &status);
            if (!ice)
                continue;
            while (IceConnectionStatus(ice) == IceConnectPending)
                if (IceProcessMessages(ice, nullptr, nullptr) != IceProcessMessagesSuccess)
                    break;
            if (IceConnectionStatus(ice) == IceConnectAccepted)
                clientIce = ice;
            else
                IceCloseConnection(ice);
        }
        if (clientIce && n > 1 + count && (fds[n - 1].revents & (POLLIN | POLLHUP))) {
            IceConn ice = clientIce;
            if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError &&
                clientIce == ice) {
                IceSetShutdownNegotiation(ice, False);
                IceCloseConnection(ice);
                clientIce = nullptr;
                client = nullptr;
                say("%s", "closed");
            }
        }
    }
}
