#pragma once
#include "settings/source_addresses.h"
#include "support/local_http_server.h"
#include "test_support.h"

// A sandbox whose web sites are all served by one local server (site X under
// "/X/..."), with the shipped states file the options dialog needs to load.
class SiteServerTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        ASSERT_TRUE(server.listen());
        sites::redirectSites(QStringLiteral("http://127.0.0.1:%1").arg(server.port()));
    }
    LocalHttpServer server;
};
