#pragma once
#include "mainwindow/forms.h"
#include "site_server_test.h"

// A sandbox whose sites, and whose stations' regional pages, are served by
// a local server.
class PagesTest : public SiteServerTest {
protected:
    void SetUp() override
    {
        SiteServerTest::SetUp();
        form2(); // loaded at start-up; its load empties the stations' addresses
    }
    // An address on 127.0.0.1 where nothing answers.
    static QString refusedRoot() { return QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::refusedPort()); }
};
