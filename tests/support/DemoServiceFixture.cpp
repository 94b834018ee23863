#include "DemoServiceFixture.h"

#include "service/endpoints.h"

void DemoServiceFixture::SetUp()
{
    ASSERT_TRUE(service.start());
    SetServiceBase(service.baseUrl());
}

QStringList DemoServiceFixture::requestTargets(const QStringList& prefixes) const
{
    QStringList targets;
    for (const DemoService::LoggedRequest& request : service.requests()) {
        for (const QString& prefix : prefixes) {
            if (request.target.startsWith(prefix)) {
                targets.append(request.target);
                break;
            }
        }
    }
    return targets;
}

QStringList DemoServiceFixture::listingTargets() const
{
    return requestTargets({QStringLiteral("/files?"), QStringLiteral("/lists?")});
}

void DemoServiceFixture::forgetTraffic()
{
    service.clearRequests();
    desktop.messages.clear();
}
