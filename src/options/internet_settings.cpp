// The proxy credentials and the mail accounts of the Internet tab. They are
// kept only in the settings store; passwords are stored scrambled.
#include "options/options_dialog.h"

#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "settings/string_routines.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kMail = QStringLiteral("EMail");

QString scrambled(QString text)
{
    return Flip_Bits(text);
}

// The chosen account's number 1-3, or 0 when no account button is on.
int chosenAccount(const std::array<QRadioButton*, 3>& accounts)
{
    for (int i = 0; i < 3; ++i)
        if (accounts[i]->isChecked())
            return i + 1;
    return 0;
}

QString key(const char* name, int account)
{
    return QLatin1String(name) + QString::number(account);
}

} // namespace

void Form2::Command9_Click()
{
    const QString password = ProxyPassword->text();
    const QString user = ProxyUser->text();
    if (password.isEmpty() || user.isEmpty()) {
        const MsgResult answer = MsgBox(QStringLiteral("Your entry is blank!  This action will change\r\nyour current settings!"),
                                        MsgButtons::OkCancel, MsgIcon::Stop, QStringLiteral("Proxy Password"),
                                        MsgDefault::Second);
        if (answer == MsgResult::Cancel)
            return;
    }
    const QString proxy = QStringLiteral("Proxy");
    QString error;
    const bool saved = SaveSettings({{proxy, QStringLiteral("Username"), user},
                                     {proxy, QStringLiteral("Password"), scrambled(password)}},
                                    &error);
    program().ProxyUserName = user;
    program().ProxyPwd = password;
    if (saved)
        MsgBox(QStringLiteral("Password setting has been saved."), MsgButtons::Ok, MsgIcon::Information);
    else
        reportStoreNotSaved(error);
}

void Form2::Command5_Click()
{
    for (QLineEdit* box : Text3) {
        if (box->text().isEmpty()) {
            MsgBox(QStringLiteral("All 3 Fields Must Have Data!"), MsgButtons::Ok, MsgIcon::Exclamation,
                   QStringLiteral("Corvane E-Mail"));
            return;
        }
    }
    if (const int account = chosenAccount(Option2)) {
        QString error;
        if (!SaveSettings({{kMail, key("Site", account), Text3[0]->text()},
                           {kMail, key("Name", account), Text3[1]->text()},
                           {kMail, key("Pass", account), scrambled(Text3[2]->text())}},
                          &error)) {
            reportStoreNotSaved(error);
            return;
        }
    }
    MsgBox(QStringLiteral("The E-Mail Site Info has been saved!"), MsgButtons::Ok, MsgIcon::Exclamation,
           QStringLiteral("E-Mail Settings"));
}

void Form2::Command8_Click()
{
    if (MsgBox(QStringLiteral("Are you sure?"), MsgButtons::OkCancel, MsgIcon::Exclamation,
               QStringLiteral("E-Mail Delete"), MsgDefault::Second) == MsgResult::Cancel)
        return;
    if (const int account = chosenAccount(Option2)) {
        // The boxes go on showing an account that is still stored.
        QString error;
        if (!DeleteSettings(kMail, {key("Site", account), key("Name", account), key("Pass", account)}, &error)) {
            reportStoreNotSaved(error);
            return;
        }
    }
    for (QLineEdit* box : Text3)
        box->clear();
}

void Form2::selectOption2(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    if (Option2[Index]->isChecked())
        Option2_Click(Index);
    else
        Option2[Index]->setChecked(true); // its handler runs through the toggle
}

void Form2::Option2_Click(int)
{
    const int account = chosenAccount(Option2);
    QStringList values;
    if (account) {
        for (const char* name : {"Site", "Name", "Pass"})
            values << GetSetting(kMail, key(name, account), QStringLiteral("Blank"));
    } else {
        values = {QString(), QString(), QString()};
    }
    for (int i = 0; i < 3; ++i) {
        if (values[i] == QLatin1String("Blank")) {
            for (QLineEdit* box : Text3)
                box->clear();
            return;
        }
        Text3[i]->setText(i == 2 ? scrambled(values[i]) : values[i]);
    }
}
