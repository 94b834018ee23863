#pragma once

#include <QString>

/** The session cookie: empty when signed out, else "OOFA=" and its value.
 *  Written by the login; sent as "Cookie" by the web API and main site requests. */
QString SessionCookie();
void SetSessionCookie(const QString& cookie);
