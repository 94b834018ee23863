#pragma once

#include "platform/HttpRequest.h"
#include "platform/HttpResult.h"

/** True when `result` is the service's word that the session has ended: a web API answer with
 *  status 200 and the error number 990001, or a main site page refused with 403. */
bool SaysSessionEnded(const HttpResult& result);

/** True when `request` carries a "Cookie" header, so a session may have ended under it. */
bool CarriesSession(const HttpRequest& request);

/** `request` with its "Cookie" header set to the session cookie held now. */
HttpRequest WithSessionCookie(HttpRequest request);

/** What the program does when the service ends a session after a sign-in: the window and the
 *  command line each install one (SetSessionRenewal); with none, an ended session is only
 *  an answer like any other. */
class SessionRenewal
{
public:
    virtual ~SessionRenewal();
    /** Signs in again without asking anyone; true when a new session cookie is held. */
    virtual bool renew() = 0;
    /** The session has ended and could not be renewed: tell the user. */
    virtual void reportEnded() = 0;
};

/** Makes `renewal` current (not owned); nullptr: none. */
void SetSessionRenewal(SessionRenewal* renewal);

/** The way of one request, or one batch of them, through an ended session: one silent sign-in
 *  at most, so that a service which keeps refusing makes no loop. */
class EndedSessionRecovery
{
public:
    /** Whether `request`, answered with `result`, should be sent again (WithSessionCookie) now
     *  that a new session is held. False for an answer that does not say the session ended, a
     *  request sent without a session, no installed renewal, or a renewal used or failed
     *  already; the end is then reported once. */
    bool sendAgain(const HttpRequest& request, const HttpResult& result);
    /** True once the end of the session was reported. */
    bool ended() const { return m_reported; }

private:
    bool m_renewed = false;
    bool m_reported = false;
};
