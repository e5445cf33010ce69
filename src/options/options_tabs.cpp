// The four pages of the options dialog.
#include "options/options_dialog.h"

#include "platform/vb_color.h"
#include "settings/condition_pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

namespace {

template <size_t N>
void makeOptions(std::array<QRadioButton*, N>& options, const QStringList& captions, QWidget* parent,
                 QBoxLayout* layout)
{
    for (size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(captions.value(static_cast<qsizetype>(i)), parent);
        layout->addWidget(options[i]);
    }
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* swatch(QWidget* parent, VbColor color)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(48, 20);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(label, color);
    return label;
}

} // namespace

QWidget* Form2::buildCityTab()
{
    auto* page = new QWidget(this);
    Label1[0] = caption(QStringLiteral(" State - Province - Country "), page);
    Label1[1] = caption(QStringLiteral(" Primary City - Town - Airport"), page);
    Label1[19] = caption(QStringLiteral("Alternate City - Town - Airport"), page);
    Label1[2] = caption(QStringLiteral(" Watch These Cities "), page);
    Label1[0]->installEventFilter(this);

    List1 = new QListWidget(page);
    List2 = new QListWidget(page);
    List2->setSortingEnabled(true);
    List7 = new QListWidget(page);
    List3 = new QListWidget(page);
    List3->setToolTip(QStringLiteral("Tick a city to write it to the observation log."));

    Command2 = new QPushButton(QStringLiteral("Add All"), page);
    Command10 = new QPushButton(QStringLiteral("Add All"), page);
    Command1[2] = new QPushButton(QStringLiteral("Delete"), page);
    Command1[3] = new QPushButton(QStringLiteral("Delete All"), page);
    Command3[0] = new QPushButton(page);
    Command3[0]->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command3[0]->setToolTip(QStringLiteral("Move up"));
    Command3[1] = new QPushButton(page);
    Command3[1]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command3[1]->setToolTip(QStringLiteral("Move down"));
    Label3 = new QLabel(QStringLiteral("0"), page);
    Label3->hide();

    auto* grid = new QGridLayout(page);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(List1, 1, 0, 3, 1);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(Label1[1], 0, 1);
    grid->addWidget(List2, 1, 1);
    grid->addWidget(Command2, 2, 1);
    grid->addWidget(Label1[19], 3, 1);
    grid->addWidget(List7, 4, 1);
    grid->addWidget(Command10, 5, 1);
    grid->addWidget(Label1[2], 0, 2);
    grid->addWidget(List3, 1, 2, 4, 1);
    auto* moves = new QHBoxLayout;
    moves->addWidget(Command3[0]);
    moves->addWidget(Command3[1]);
    moves->addWidget(Command1[2]);
    moves->addWidget(Command1[3]);
    grid->addLayout(moves, 5, 2);
    return page;
}

QWidget* Form2::buildInternetTab()
{
    auto* page = new QWidget(this);

    auto* connection = new QGroupBox(QStringLiteral("Internet Connection"), page);
    auto* connectionForm = new QFormLayout(connection);
    auto* kinds = new QHBoxLayout;
    makeOptions(Option4, {QStringLiteral("Always Connected"), QStringLiteral("Dial-up")}, connection, kinds);
    Option4[0]->setChecked(true);
    connectionForm->addRow(kinds);
    Text5 = new QLineEdit(connection);
    connectionForm->addRow(QStringLiteral("Dialer Name:"), Text5);
    Slider1 = new QSlider(Qt::Horizontal, connection);
    Slider1->setRange(0, 120);
    Slider1->setValue(30);
    Slider1->setToolTip(QStringLiteral("Number of seconds to wait for connection."));
    connectionForm->addRow(QStringLiteral("Wait - Seconds"), Slider1);
    Text6 = new QLineEdit(QStringLiteral("3"), connection);
    connectionForm->addRow(QStringLiteral("Pause Time"), Text6);
    Text7 = new QLineEdit(QStringLiteral("30"), connection);
    connectionForm->addRow(QStringLiteral("Internet Timeout"), Text7);
    Check1[0] = new QCheckBox(QStringLiteral("Auto Disconnect"), connection);
    connectionForm->addRow(Check1[0]);

    auto* access = new QGroupBox(QStringLiteral("Internet Access"), page);
    auto* accessForm = new QFormLayout(access);
    auto* modes = new QVBoxLayout;
    makeOptions(Option1, {QStringLiteral("Use Normal Access"), QStringLiteral("Use Proxy Default"),
                          QStringLiteral("Use Proxy Setup")}, access, modes);
    Option1[0]->setChecked(true);
    accessForm->addRow(modes);
    Text1[0] = new QLineEdit(access);
    Text1[0]->setToolTip(QStringLiteral("Use Domain Name or IP"));
    accessForm->addRow(QStringLiteral("Proxy Server (HTTP):"), Text1[0]);
    Text1[1] = new QLineEdit(access);
    Text1[1]->setToolTip(QStringLiteral("Proxy Port Number"));
    accessForm->addRow(QStringLiteral("Port:"), Text1[1]);
    ProxyUser = new QLineEdit(access);
    ProxyUser->setToolTip(QStringLiteral("Enter User Name If Required"));
    accessForm->addRow(QStringLiteral("Proxy Server Username:"), ProxyUser);
    ProxyPassword = new QLineEdit(access);
    ProxyPassword->setEchoMode(QLineEdit::Password);
    ProxyPassword->setToolTip(QStringLiteral("Enter Password If Required"));
    accessForm->addRow(QStringLiteral("Proxy Server Password:"), ProxyPassword);
    Command9 = new QPushButton(QStringLiteral("Save Password && User"), access);
    accessForm->addRow(Command9);

    auto* mail = new QGroupBox(QStringLiteral("E-Mail"), page);
    auto* mailForm = new QFormLayout(mail);
    auto* sites = new QHBoxLayout;
    makeOptions(Option2, {QStringLiteral("Site 1"), QStringLiteral("Site 2"), QStringLiteral("Site 3")}, mail,
                sites);
    Option2[0]->setChecked(true);
    mailForm->addRow(sites);
    const QStringList boxes{QStringLiteral("Host Name:"), QStringLiteral("User Name:"), QStringLiteral("Password:")};
    for (int i = 0; i < 3; ++i) {
        Text3[i] = new QLineEdit(mail);
        mailForm->addRow(boxes[i], Text3[i]);
    }
    Text3[2]->setEchoMode(QLineEdit::Password);
    Command5 = new QPushButton(QStringLiteral("Save Site Info"), mail);
    Command8 = new QPushButton(QStringLiteral("Delete Site"), mail);
    auto* accountButtons = new QHBoxLayout;
    accountButtons->addWidget(Command5);
    accountButtons->addWidget(Command8);
    mailForm->addRow(accountButtons);
    Combo4 = new QComboBox(mail);
    mailForm->addRow(QStringLiteral("Email Alert:"), Combo4);

    auto* grid = new QGridLayout(page);
    grid->addWidget(connection, 0, 0);
    grid->addWidget(access, 0, 1);
    grid->addWidget(mail, 1, 0, 1, 2);
    return page;
}

QWidget* Form2::buildSettingsTab()
{
    auto* page = new QWidget(this);

    auto* refresh = new QGroupBox(QStringLiteral("Site Refresh"), page);
    auto* refreshForm = new QFormLayout(refresh);
    Combo1 = new QComboBox(refresh);
    Combo1->addItems({QStringLiteral("60 Minutes"), QStringLiteral("45 Minutes"), QStringLiteral("30 Minutes"),
                      QStringLiteral("15 Minutes"), QStringLiteral("10 Minutes"), QStringLiteral("05 Minutes"),
                      QStringLiteral("04 Minutes"), QStringLiteral("03 Minutes"), QStringLiteral("02 Minutes"),
                      QStringLiteral("01 Minute")});
    refreshForm->addRow(QStringLiteral("Update Every:"), Combo1);
    Text2 = new QLineEdit(QStringLiteral("75067"), refresh);
    refreshForm->addRow(QStringLiteral("Zip Code:"), Text2);

    auto* weatherSettings = new QGroupBox(QStringLiteral("Weather Settings"), page);
    auto* weatherForm = new QFormLayout(weatherSettings);
    Combo2 = new QComboBox(weatherSettings);
    weatherForm->addRow(QStringLiteral("Weather Alert:"), Combo2);
    Combo3 = new QComboBox(weatherSettings);
    Combo3->addItems({QStringLiteral("Fast"), QStringLiteral("Medium"), QStringLiteral("Slow")});
    weatherForm->addRow(QStringLiteral("Animation Speed:"), Combo3);
    Check8 = new QCheckBox(QStringLiteral("Warning Icon Blinks"), weatherSettings);
    Check8->setChecked(true);
    weatherForm->addRow(Check8);
    Check6 = new QCheckBox(QStringLiteral("Keep Last Update"), weatherSettings);
    Check6->setToolTip(QStringLiteral("If previous update was good and current isn't, keep last."));
    weatherForm->addRow(Check6);
    Check7 = new QCheckBox(QStringLiteral("Verify Version On Start"), weatherSettings);
    weatherForm->addRow(Check7);

    auto* digits = new QGroupBox(QStringLiteral("Digital Display Color"), page);
    auto* digitRows = new QGridLayout(digits);
    const QStringList digitColours{QStringLiteral("#22d422"), QStringLiteral("#ff3030"), QStringLiteral("#ffd21f"),
                                   QStringLiteral("#20e0f0")};
    for (int i = 0; i < 4; ++i) {
        Option6[i] = new QRadioButton(digits);
        DColor[i] = new QLabel(QStringLiteral("88"), digits);
        DColor[i]->setStyleSheet(QStringLiteral("background: black; color: %1; font: bold 14px monospace;"
                                                " padding: 1px 4px;").arg(digitColours[i]));
        digitRows->addWidget(Option6[i], i / 2, (i % 2) * 2);
        digitRows->addWidget(DColor[i], i / 2, (i % 2) * 2 + 1);
    }

    auto* popup = new QGroupBox(QStringLiteral("Secondary PopUp Window"), page);
    auto* popupRows = new QVBoxLayout(popup);
    makeOptions(Option5, {QStringLiteral("Mini - Weather"), QStringLiteral("Digital - Weather"),
                          QStringLiteral("Analog - Weather"), QStringLiteral("None")}, popup, popupRows);

    auto* log = new QGroupBox(QStringLiteral("Conditions Log"), page);
    auto* logRows = new QVBoxLayout(log);
    Check2 = new QCheckBox(QStringLiteral("Log Checked Sites"), log);
    Check3 = new QCheckBox(QStringLiteral("Use Separate Log Files"), log);
    Check4 = new QCheckBox(QStringLiteral("Use Short Format"), log);
    for (QCheckBox* box : {Check2, Check3, Check4})
        logRows->addWidget(box);

    auto* colours = new QGroupBox(QStringLiteral("Weather Text Display"), page);
    auto* colourGrid = new QGridLayout(colours);
    Check5 = new QCheckBox(QStringLiteral("Use Selected Colors"), colours);
    Check5->setChecked(true);
    Label2[1] = new QLabel(QStringLiteral("Text Color:"), colours);
    Label2[2] = new QLabel(QStringLiteral("Back Color:"), colours);
    Label2[3] = swatch(colours, kButtonTextColor);
    Label2[4] = swatch(colours, kPaleCyan);
    Command4[0] = new QPushButton(QStringLiteral("..."), colours);
    Command4[1] = new QPushButton(QStringLiteral("..."), colours);
    colourGrid->addWidget(Check5, 0, 0, 1, 3);
    colourGrid->addWidget(Label2[1], 1, 0);
    colourGrid->addWidget(Label2[3], 1, 1);
    colourGrid->addWidget(Command4[0], 1, 2);
    colourGrid->addWidget(Label2[2], 2, 0);
    colourGrid->addWidget(Label2[4], 2, 1);
    colourGrid->addWidget(Command4[1], 2, 2);

    auto* grid = new QGridLayout(page);
    grid->addWidget(refresh, 0, 0);
    grid->addWidget(weatherSettings, 1, 0, 2, 1);
    grid->addWidget(digits, 0, 1);
    grid->addWidget(popup, 1, 1);
    grid->addWidget(log, 0, 2);
    grid->addWidget(colours, 1, 2);
    return page;
}

QWidget* Form2::buildIconTab()
{
    auto* page = new QWidget(this);
    auto* definitions = new QGroupBox(QStringLiteral("Icon Definitions"), page);
    auto* grid = new QGridLayout(definitions);
    const QStringList categories{
        QStringLiteral("Sunny/Clear"), QStringLiteral("Partly Cloudy"), QStringLiteral("Cloudy"),
        QStringLiteral("Rain"), QStringLiteral("Drizzle"), QStringLiteral("Fog/Haze"), QStringLiteral("Snow"),
        QStringLiteral("Thunder Storm"), QStringLiteral("Showers"), QStringLiteral("Light Snow"),
        QStringLiteral("Rain/Snow"), QStringLiteral("Mostly Cloudy")};
    for (int i = 0; i < 32; ++i) {
        if (i >= 16 && i < 20)
            continue;
        Image2[i] = new QLabel(definitions);
        Image2[i]->setPixmap(conditionPicture(i == 13 ? 12 : i, 32));
    }
    for (int i = 0; i < 12; ++i) {
        Option3[i] = new QRadioButton(categories[i], definitions);
        grid->addWidget(Image2[i], i % 6, (i / 6) * 3);
        grid->addWidget(Image2[i + 20], i % 6, (i / 6) * 3 + 1);
        grid->addWidget(Option3[i], i % 6, (i / 6) * 3 + 2);
    }
    Option3[0]->setChecked(true);
    for (int i : {12, 13, 14, 15})
        Image2[i]->hide();
    for (int i = 0; i < 4; ++i) {
        Image1[i] = new QLabel(definitions);
        Image1[i]->setPixmap(mailFrame(i, 32));
        Image1[i]->hide();
    }
    Label1[9] = new QLabel(QStringLiteral("Select a category to add a new unrecognized title."), definitions);
    Text4 = new QLineEdit(QStringLiteral("SUNNY"), definitions);
    Command6 = new QPushButton(QStringLiteral("Add Definition"), definitions);
    Command7 = new QPushButton(QStringLiteral("Restore Originals"), definitions);
    grid->addWidget(Label1[9], 6, 0, 1, 6);
    grid->addWidget(Text4, 7, 0, 1, 3);
    grid->addWidget(Command6, 7, 3, 1, 2);
    grid->addWidget(Command7, 7, 5);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(definitions);
    return page;
}
