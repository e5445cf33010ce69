#include "options/options_dialog.h"

#include "mainwindow/forms.h"
#include "platform/inet_control.h"
#include "platform/settings_store.h"
#include "settings/connection.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

class InternetSettingsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
    }
};

QString scrambledForm(const QString& text)
{
    QString out;
    for (QChar c : text)
        out += QChar(c.unicode() ^ 0xFF);
    return out;
}

} // namespace

TEST_F(InternetSettingsTest, ProxyCredentialsAreSavedScrambledAfterAWarningWhenBlank)
{
    Form2& options = form2();
    options.ProxyUser->setText("walker");
    options.ProxyPassword->clear();
    answer = MsgResult::Cancel;
    options.Command9_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Proxy Password");
    EXPECT_EQ(messages[0].defaultButton, MsgDefault::Second); // Enter cancels
    EXPECT_EQ(GetSetting("Proxy", "Username", "Blank"), "Blank");

    answer = MsgResult::Ok;
    options.ProxyPassword->setText("pa55");
    options.Command9_Click();
    EXPECT_EQ(GetSetting("Proxy", "Username", "?"), "walker");
    EXPECT_EQ(GetSetting("Proxy", "Password", "?"), scrambledForm("pa55"));
    EXPECT_EQ(program().ProxyUserName, "walker");
    EXPECT_EQ(program().ProxyPwd, "pa55");
    EXPECT_EQ(messages.back().text, "Password setting has been saved.");
}

TEST_F(InternetSettingsTest, BlankProxyCredentialsAreStoredEmptyAndNeverOffered)
{
    Form2& options = form2();
    options.Option1[2]->setChecked(true); // the named proxy
    options.Text1[0]->setText("proxy.example");
    options.ProxyUser->setText("walker");
    options.ProxyPassword->clear();
    options.Command9_Click(); // answered OK
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(GetSetting("Proxy", "Username", "?"), "walker");
    EXPECT_EQ(GetSetting("Proxy", "Password", "?"), "");

    options.ProxyUser->clear();
    options.Command9_Click();
    EXPECT_EQ(messages.size(), 4u);
    EXPECT_EQ(GetSetting("Proxy", "Username", "?"), "");
    EXPECT_TRUE(program().ProxyUserName.isEmpty());
    EXPECT_TRUE(program().ProxyPwd.isEmpty());

    // The transfer gets the proxy but no credentials at all.
    InetControl inet;
    inet.setUserName("earlier");
    inet.setPassword("earlier");
    Set_Inet(inet);
    EXPECT_EQ(inet.AccessType(), InetControl::icNamedProxy);
    EXPECT_EQ(inet.UserName(), "earlier");
    EXPECT_EQ(inet.Password(), "earlier");
}

TEST_F(InternetSettingsTest, MailAccountsAreSavedShownAndDeleted)
{
    Form2& options = form2();
    options.Text3[0]->setText("pop.example");
    options.Text3[1]->clear();
    options.Command5_Click();
    EXPECT_EQ(messages.back().text, "All 3 Fields Must Have Data!");
    EXPECT_EQ(GetSetting("EMail", "Site1", "Blank"), "Blank");

    options.Text3[1]->setText("me");
    options.Text3[2]->setText("secret");
    options.Command5_Click();
    EXPECT_EQ(GetSetting("EMail", "Site1", "?"), "pop.example");
    EXPECT_EQ(GetSetting("EMail", "Pass1", "?"), scrambledForm("secret"));

    options.Option2[1]->setChecked(true); // an account never stored shows empty boxes
    EXPECT_TRUE(options.Text3[0]->text().isEmpty());
    options.Option2[0]->setChecked(true);
    EXPECT_EQ(options.Text3[0]->text(), "pop.example");
    EXPECT_EQ(options.Text3[2]->text(), "secret");

    answer = MsgResult::Cancel;
    options.Command8_Click();
    EXPECT_EQ(messages.back().text, "Are you sure?");
    EXPECT_EQ(messages.back().defaultButton, MsgDefault::Second); // Enter keeps the account
    EXPECT_EQ(options.Text3[0]->text(), "pop.example");
    EXPECT_EQ(options.Text3[2]->text(), "secret");
    EXPECT_EQ(GetSetting("EMail", "Site1", "Blank"), "pop.example");
    answer = MsgResult::Ok;
    options.Command8_Click();
    EXPECT_TRUE(options.Text3[0]->text().isEmpty());
    EXPECT_EQ(GetSetting("EMail", "Pass1", "Blank"), "Blank");
}

TEST_F(InternetSettingsTest, AnAccountStoredAsBlankIsShownAsUnused)
{
    SaveSetting("EMail", "Site2", "Blank");
    SaveSetting("EMail", "Name2", "me");
    SaveSetting("EMail", "Pass2", scrambledForm("x"));
    Form2& options = form2();
    options.Text3[0]->setText("left over");
    options.Option2[1]->setChecked(true);
    EXPECT_TRUE(options.Text3[0]->text().isEmpty());
    EXPECT_TRUE(options.Text3[1]->text().isEmpty());
}

TEST_F(InternetSettingsTest, TheStoredFirstAccountIsShownWhenTheDialogLoads)
{
    SaveSetting("EMail", "Site1", "pop.example");
    SaveSetting("EMail", "Name1", "me");
    SaveSetting("EMail", "Pass1", scrambledForm("secret"));
    Form2& options = form2();
    EXPECT_TRUE(options.Option2[0]->isChecked());
    EXPECT_EQ(options.Text3[0]->text(), "pop.example");
    EXPECT_EQ(options.Text3[1]->text(), "me");
    EXPECT_EQ(options.Text3[2]->text(), "secret");
}
