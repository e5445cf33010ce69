#include "mainwindow/about_window.h"
#include "mainwindow/forms.h"
#include "platform/desktop.h"
#include "platform/waits.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

class AboutWindowTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        savedPath = qgetenv("PATH");
        setDesktopSeam(DesktopSeam{
            [this](const QString& target) { opened << target; return true; },
            [this](const QString& program, const QStringList&) {
                started << program;
                return true;
            },
        });
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath);
        clearDesktopSeam();
        SandboxTest::TearDown();
    }

    QByteArray savedPath;
    QStringList opened;
    QStringList started;
};

} // namespace

TEST_F(AboutWindowTest, ShowsTheVersionAndOpensTheHomePage)
{
    frmAbout& window = about();
    EXPECT_EQ(window.lblVersion->text(), "Version 1.7.7");
    EXPECT_FALSE(window.Label4->text().endsWith('/'));
    EXPECT_FALSE(window.Timer1->isActive()); // opened from the menu it stays until closed

    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.Label4, &click);
    EXPECT_EQ(opened, QStringList{window.Label4->text()});
}

TEST_F(AboutWindowTest, StandsInTheMiddleOfTheScreenWhenShownAndWhenActivated)
{
    frmAbout& window = about();
    window.show();
    const QPoint middle = window.pos();
    EXPECT_NE(middle, QPoint(0, 0));
    window.move(0, 0);
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(waitUntil([&] { return window.pos() == middle; }, 10.0));
}

TEST_F(AboutWindowTest, SplashClosesItselfAfterItsTime)
{
    frmAbout& window = about();
    QElapsedTimer clock;
    clock.start();
    window.showAsSplash(200);
    EXPECT_FALSE(window.isVisible()); // closed by its own timer: the wait's bound is far longer
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_GE(clock.elapsed(), 150);
}

TEST_F(AboutWindowTest, SystemInformationProgramIsFoundOnThePathOrReportedMissing)
{
    qputenv("PATH", home().toUtf8());
    about().StartSysInfo();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(started.isEmpty());

    const QString fake = path(systemInformationPrograms().last());
    writeFile(systemInformationPrograms().last(), "#!/bin/sh\n");
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    about().StartSysInfo();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(started, QStringList{fake});
}
