#pragma once

#include "DemoService.h"
#include "QStringPrinter.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <gtest/gtest.h>
#include <httplib.h>
#include <ostream>
#include <string>

/** Starts one DemoService for the whole test binary and stops it at the end. */
class DemoServiceEnvironment : public ::testing::Environment
{
public:
    /** The running service; valid between the environment's SetUp and TearDown. */
    static DemoService& service();

    void SetUp() override;
    void TearDown() override;
};

/** A test fixture over the shared service that undoes faults and the listing form after each
 *  test. */
template <class Base> class WithDemoService : public Base
{
protected:
    DemoService& service() { return DemoServiceEnvironment::service(); }

    void TearDown() override
    {
        service().clearFaults();
        service().setListingForm(DemoService::ListingForm::List);
    }
};

using DemoServiceTest = WithDemoService<::testing::Test>;
template <class Row> using DemoServiceTableTest = WithDemoService<::testing::TestWithParam<Row>>;

/** A client of the shared service with short time limits. */
httplib::Client DemoClient();

/** Every UTF-8 byte of `text` as %XX, as the login form carries account and password. */
std::string PercentEveryByte(const QString& text);
/** The login form body for `account` and `password`. */
std::string LoginBody(const QString& account, const QString& password);
/** Logs the demo account in; the "OOFA=<token>" text of its cookie (empty when refused). */
std::string LogIn();
/** A session cookie of the demo account taken before any test ran, so faults cannot spoil it. */
std::string DemoCookie();
/** The "OOFA=..." text from the answer's "Set-Cookie" headers, or empty. */
std::string SessionCookieOf(const httplib::Result& result);

/** GET of `target` with the session cookie `cookie` (empty: no Cookie header). */
httplib::Result Get(const std::string& target, const std::string& cookie);
/** GET of a listing target as the demo account; the body parsed as JSON (empty on failure). */
QJsonObject ListingJson(const std::string& target);

/** Sends `request` on a fresh connection and returns every byte the server sends back. */
QByteArray RawExchange(int port, const QByteArray& request);
