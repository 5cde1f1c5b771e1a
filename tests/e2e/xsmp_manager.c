// SPDX-License-Identifier: GPL-3.0-or-later
// A session manager just large enough to end a session as a desktop does, for the end-to-end tests.
//
// It listens on local ICE sockets only and prints "SESSION_MANAGER=<ids>" for the program to connect
// to. Each line read on its input is a command: "logout" asks every client to save before a shutdown
// (global, interaction allowed, as a logout does). What happens is printed one event a line:
// "registered", "interact", "cancelled" (a client cancelled the logout), "die" (the session ends),
// "closed" (a client went). It ends when its input does.

#include <X11/SM/SMlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { MaxClients = 8 };

// A connection from its acceptance; sms is set once the client speaks the session protocol.
struct Client
{
    IceConn ice;
    SmsConn sms;
    int cancelled;
};

static struct Client clients[MaxClients];

static void say(const char* event)
{
    printf("%s\n", event);
    fflush(stdout);
}

static struct Client* clientOf(SmsConn sms)
{
    for (int n = 0; n < MaxClients; ++n) {
        if (clients[n].ice && clients[n].sms == sms)
            return &clients[n];
    }
    return NULL;
}

static struct Client* clientOnConnection(IceConn ice)
{
    for (int n = 0; n < MaxClients; ++n) {
        if (clients[n].ice == ice)
            return &clients[n];
    }
    return NULL;
}

static void dropClient(struct Client* client)
{
    if (client->sms)
        SmsCleanUp(client->sms);
    IceSetShutdownNegotiation(client->ice, False);
    IceCloseConnection(client->ice);
    memset(client, 0, sizeof *client);
    say("closed");
}

// libICE's own handler ends the process when a client goes; here the connection is dropped instead.
static void ignoreIoError(IceConn ice)
{
    (void)ice;
}

static Bool acceptAnyHost(char* hostname)
{
    (void)hostname;
    return True;
}

static Status registerClient(SmsConn sms, SmPointer data, char* previousId)
{
    (void)data;
    free(previousId);
    char* id = SmsGenerateClientID(sms);
    if (!id)
        return 0;
    SmsRegisterClientReply(sms, id);
    free(id);
    say("registered");
    return 1;
}

static void interactRequest(SmsConn sms, SmPointer data, int dialogType)
{
    (void)data;
    (void)dialogType;
    say("interact");
    SmsInteract(sms);
}

static void interactDone(SmsConn sms, SmPointer data, Bool cancelShutdown)
{
    (void)data;
    struct Client* client = clientOf(sms);
    if (client && cancelShutdown)
        client->cancelled = 1;
}

static void saveYourselfRequest(
    SmsConn sms, SmPointer data, int saveType, Bool shutdown, int interactStyle, Bool fast, Bool global)
{
    (void)sms, (void)data, (void)saveType, (void)shutdown, (void)interactStyle, (void)fast, (void)global;
}

static void saveYourselfPhase2Request(SmsConn sms, SmPointer data)
{
    (void)data;
    SmsSaveYourselfPhase2(sms);
}

static void saveYourselfDone(SmsConn sms, SmPointer data, Bool success)
{
    (void)data;
    struct Client* client = clientOf(sms);
    if (client && (client->cancelled || !success)) {
        client->cancelled = 0;
        SmsShutdownCancelled(sms);
        say("cancelled");
    } else {
        SmsDie(sms);
        say("die");
    }
}

static void closeConnection(SmsConn sms, SmPointer data, int count, char** reasons)
{
    (void)data;
    SmFreeReasons(count, reasons);
    struct Client* client = clientOf(sms);
    if (client)
        dropClient(client);
}

static void setProperties(SmsConn sms, SmPointer data, int count, SmProp** properties)
{
    (void)sms, (void)data;
    for (int n = 0; n < count; ++n)
        SmFreeProperty(properties[n]);
    free(properties);
}

static void deleteProperties(SmsConn sms, SmPointer data, int count, char** names)
{
    (void)sms, (void)data;
    for (int n = 0; n < count; ++n)
        free(names[n]);
    free(names);
}

static void getProperties(SmsConn sms, SmPointer data)
{
    (void)data;
    SmsReturnProperties(sms, 0, NULL);
}

static Status newClient(SmsConn sms, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks, char** failure)
{
    (void)data;
    struct Client* client = clientOnConnection(SmsGetIceConnection(sms));
    if (!client) {
        *failure = strdup("unknown connection");
        return 0;
    }
    client->sms = sms;
    client->cancelled = 0;
    memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = saveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
        | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask
        | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask
        | SmsGetPropertiesProcMask;
    return 1;
}

static void logout(void)
{
    for (int n = 0; n < MaxClients; ++n) {
        if (clients[n].ice && clients[n].sms)
            SmsSaveYourself(clients[n].sms, SmSaveGlobal, True, SmInteractStyleAny, False);
    }
}

// A connection that fails is dropped; the client is gone.
static void processMessages(struct Client* client)
{
    if (IceProcessMessages(client->ice, NULL, NULL) == IceProcessMessagesIOError)
        dropClient(client);
}

int main(void)
{
    char error[256] = "";
    IceSetIOErrorHandler(ignoreIoError);
    if (!SmsInitialize("numislot-test", "1.0", newClient, NULL, acceptAnyHost, sizeof error, error)) {
        fprintf(stderr, "xsmp_manager: %s\n", error);
        return 1;
    }
    int listenCount = 0;
    IceListenObj* listeners = NULL;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        fprintf(stderr, "xsmp_manager: %s\n", error);
        return 1;
    }
    // Local sockets only: nothing reaches this manager from the network.
    char ids[4096] = "";
    struct pollfd polled[1 + 8 + MaxClients];
    IceListenObj localListeners[8];
    int localCount = 0;
    for (int n = 0; n < listenCount && localCount < 8; ++n) {
        char* id = IceGetListenConnectionString(listeners[n]);
        if (id && strncmp(id, "local/", 6) == 0) {
            if (ids[0])
                strncat(ids, ",", sizeof ids - strlen(ids) - 1);
            strncat(ids, id, sizeof ids - strlen(ids) - 1);
            IceSetHostBasedAuthProc(listeners[n], acceptAnyHost);
            localListeners[localCount++] = listeners[n];
        }
        free(id);
    }
    if (!localCount) {
        fprintf(stderr, "xsmp_manager: no local ICE socket\n");
        return 1;
    }
    printf("SESSION_MANAGER=%s\n", ids);
    fflush(stdout);

    char line[256];
    for (;;) {
        int count = 0;
        polled[count++] = (struct pollfd) { .fd = STDIN_FILENO, .events = POLLIN };
        for (int n = 0; n < localCount; ++n)
            polled[count++]
                = (struct pollfd) { .fd = IceGetListenConnectionNumber(localListeners[n]), .events = POLLIN };
        int clientIndex[MaxClients];
        int clientCount = 0;
        for (int n = 0; n < MaxClients; ++n) {
            if (clients[n].ice) {
                clientIndex[clientCount++] = n;
                polled[count++] = (struct pollfd) { .fd = IceConnectionNumber(clients[n].ice), .events = POLLIN };
            }
        }
        if (poll(polled, (nfds_t)count, -1) < 0)
            continue;
        if (polled[0].revents) {
            if (!fgets(line, sizeof line, stdin))
                break;
            if (strncmp(line, "logout", 6) == 0)
                logout();
        }
        for (int n = 0; n < localCount; ++n) {
            if (!polled[1 + n].revents)
                continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(localListeners[n], &status);
            if (!ice)
                continue;
            struct Client* client = clientOnConnection(NULL);
            if (!client) {
                IceCloseConnection(ice);
                continue;
            }
            // The ICE set-up; the session protocol's follows as messages of the connection.
            while (IceConnectionStatus(ice) == IceConnectPending) {
                if (IceProcessMessages(ice, NULL, NULL) == IceProcessMessagesIOError)
                    break;
            }
            if (IceConnectionStatus(ice) == IceConnectAccepted)
                client->ice = ice;
            else
                IceCloseConnection(ice);
        }
        for (int n = 0; n < clientCount; ++n) {
            struct Client* client = &clients[clientIndex[n]];
            if (client->ice && polled[1 + localCount + n].revents)
                processMessages(client);
        }
    }
    IceFreeListenObjs(listenCount, listeners);
    return 0;
}
