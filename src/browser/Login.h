#pragma once

#include <QString>

class FileBrowser;

/** How a login command ended. */
enum class LoginOutcome
{
    MissingCredentials, // account or password empty; nothing sent
    Refused,            // the service refused the account; cookie and rows kept
    SignedIn,           // a cookie is held (and, for SignInAndList, the root folder was listed)
    SignedOut,          // the request failed (its message was shown); cookie and rows emptied
};

/** The message a refused login shows, in the run's language. */
QString LoginRefusedText();

/** The login request's form body for `account` and `password`, both taken as they stand. */
QString LoginBody(const QString& account, const QString& password);

/** Signs in with `account` and `password` and keeps the session cookie (emptied when the
 *  request failed); lists nothing. Every failure is shown as SignInAndList shows it. */
LoginOutcome SignIn(const QString& account, const QString& password);

/** The login command: signs in with `account` and `password`, keeps the session
 *  cookie, then lists the root folder through `browser`. Every failure is shown
 *  through the current Desktop (or by the request layer) before returning. */
LoginOutcome SignInAndList(const QString& account, const QString& password, FileBrowser& browser);
