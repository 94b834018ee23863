#include "DemoServiceFixture.h"

#include "service/endpoints.h"

void DemoServiceFixture::SetUp()
{
    ASSERT_TRUE(service.start());
    SetServiceBase(service.baseUrl());
}

QStringList DemoServiceFixture::listingTargets() const
{
    return service.requestTargets({DemoService::Endpoint::Files, DemoService::Endpoint::Lists});
}

QStringList DemoServiceFixture::downloadTargets() const
{
    return service.requestTargets({DemoService::Endpoint::DownloadPage});
}

void DemoServiceFixture::forgetTraffic()
{
    service.clearRequests();
    desktop.messages.clear();
}
