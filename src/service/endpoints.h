#pragma once

#include <QString>

// The addresses of the cloud drive service and the pages the program links
// to. They are built-in constants under the reserved .example domain, so no
// build can send an account's password to a stranger's server; the one way to
// change them is SetServiceBase (the program's --service option, the demo
// service, the tests).

/** Points the login host, the web API host and the main site host at one base
 *  such as "http://127.0.0.1:8123" or "https://..." (scheme, host, optional port; no path). */
void SetServiceBase(const QString& baseUrl);
/** Back to the built-in hosts, trusting only the system's certificates. */
void ResetServiceBase();
/** A PEM file of certificates to trust for https besides the system's (the program's
 *  --ca-file option); empty for none. */
void SetTrustedCertificateFile(const QString& pemFile);
QString TrustedCertificateFile();

/** The login host's name as sent in its "Host" header, e.g. "passport.zorbel.example". */
QString LoginHost();
/** The login endpoint: the login host's address with "/?ac=login". */
QString LoginAddress();
/** The web API's address, scheme and host without a trailing slash. */
QString WebApiAddress();
/** The main site host's name as sent in its "Host" header. */
QString MainSiteHost();
/** The main site's address, scheme and host without a trailing slash. */
QString MainSiteAddress();
/** The main site's root address, ending in "/"; sent as "Referer". */
QString MainSiteRoot();

/** The author's web page, opened from the window. */
QString AuthorPageAddress();
/** The page that explains the extraction format, named in every export section. */
QString HelpPageAddress();

/** Browser identification of web API requests (an embedded IE 6 control). */
QString ServiceUserAgent();
/** Browser identification of the login request. */
QString LoginUserAgent();
