#pragma once
#include "mainwindow/forms.h"
#include "platform/settings_store.h"
#include "settings/source_addresses.h"
#include "support/local_http_server.h"
#include "test_support.h"

// A sandbox whose sites, the stations' regional pages and the alerts service
// ("/api") are served by a local server.
class PagesTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        form2(); // loaded at start-up; its load empties the stations' addresses
        ASSERT_TRUE(server.listen());
        sites::redirectSites(server.url(""));
        SaveSetting("Sources", "alertsService", server.url("/api"));
    }
    // An address on 127.0.0.1 where nothing answers.
    static QString refusedRoot() { return QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::refusedPort()); }

    LocalHttpServer server;
};
