// The four pages of the options dialog.
#include "options/options_dialog.h"

#include "platform/color_values.h"
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

// A column of group boxes that keep their natural height.
QVBoxLayout* column(QGridLayout* grid, int at)
{
    auto* stack = new QVBoxLayout;
    grid->addLayout(stack, 0, at);
    return stack;
}

QLabel* swatch(QWidget* parent, ColorValue color)
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
    // Every watch-list row carries its log mark, however it was added.
    connect(List3->model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        for (int row = first; row <= last; ++row) {
            QListWidgetItem* entry = List3->item(row);
            if (!entry)
                continue;
            entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
            if (!entry->data(Qt::CheckStateRole).isValid())
                entry->setCheckState(Qt::Unchecked);
        }
    });

    Command2 = new QPushButton(QStringLiteral("Add All"), page);
    Command10 = new QPushButton(QStringLiteral("Add All"), page);
    Command1[2] = new QPushButton(QStringLiteral("Delete"), page);
    Command1[3] = new QPushButton(QStringLiteral("Delete All"), page);
    Command3[0] = new QPushButton(page);
    Command3[0]->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command3[0]->setAccessibleName(QStringLiteral("Up"));
    Command3[1] = new QPushButton(page);
    Command3[1]->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command3[1]->setAccessibleName(QStringLiteral("Down"));
    Label3 = new QLabel(QStringLiteral("0"), page);
    Label3->hide();

    auto* grid = new QGridLayout(page);
    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(List1, 1, 0, 4, 1);
    grid->addWidget(Label3, 5, 0);
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

    Frame1[2] = new QGroupBox(QStringLiteral("Internet Connection"), page);
    auto* connectionForm = new QFormLayout(Frame1[2]);
    auto* kinds = new QHBoxLayout;
    makeOptions(Option4, {QStringLiteral("Always Connected"), QStringLiteral("Dial-up")}, Frame1[2], kinds);
    Option4[0]->setChecked(true);
    connectionForm->addRow(kinds);
    Text5 = new QLineEdit(Frame1[2]);
    connectionForm->addRow(QStringLiteral("Dialer Name:"), Text5);
    Slider1 = new QSlider(Qt::Horizontal, Frame1[2]);
    Slider1->setRange(0, 120);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(10);
    Slider1->setPageStep(10);
    Slider1->setValue(30);
    Slider1->setToolTip(QStringLiteral("Number of seconds to wait for connection."));
    auto* seconds = new QLabel(Frame1[2]);
    seconds->setMinimumWidth(seconds->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    seconds->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    seconds->setNum(Slider1->value());
    connect(Slider1, &QSlider::valueChanged, seconds, qOverload<int>(&QLabel::setNum));
    auto* wait = new QHBoxLayout;
    wait->addWidget(Slider1);
    wait->addWidget(seconds);
    connectionForm->addRow(QStringLiteral("Wait - Seconds"), wait);
    Text6 = new QLineEdit(QStringLiteral("3"), Frame1[2]);
    connectionForm->addRow(QStringLiteral("Pause Time"), Text6);
    Text7 = new QLineEdit(QStringLiteral("30"), Frame1[2]);
    connectionForm->addRow(QStringLiteral("Internet Timeout"), Text7);
    Check1[0] = new QCheckBox(QStringLiteral("Auto Disconnect"), Frame1[2]);
    connectionForm->addRow(Check1[0]);

    Frame1[1] = new QGroupBox(QStringLiteral("Internet Access"), page);
    auto* accessForm = new QFormLayout(Frame1[1]);
    auto* modes = new QVBoxLayout;
    makeOptions(Option1, {QStringLiteral("Use Normal Access"), QStringLiteral("Use Proxy Default"),
                          QStringLiteral("Use Proxy Setup")}, Frame1[1], modes);
    Option1[0]->setChecked(true);
    accessForm->addRow(modes);
    Text1[0] = new QLineEdit(Frame1[1]);
    Text1[0]->setToolTip(QStringLiteral("Use Domain Name or IP"));
    accessForm->addRow(QStringLiteral("Proxy Server (HTTP):"), Text1[0]);
    Text1[1] = new QLineEdit(Frame1[1]);
    Text1[1]->setToolTip(QStringLiteral("Proxy Port Number"));
    accessForm->addRow(QStringLiteral("Port:"), Text1[1]);
    ProxyUser = new QLineEdit(Frame1[1]);
    ProxyUser->setToolTip(QStringLiteral("Enter User Name If Required"));
    accessForm->addRow(QStringLiteral("Proxy Server Username:"), ProxyUser);
    ProxyPassword = new QLineEdit(Frame1[1]);
    ProxyPassword->setEchoMode(QLineEdit::Password);
    ProxyPassword->setToolTip(QStringLiteral("Enter Password If Required"));
    accessForm->addRow(QStringLiteral("Proxy Server Password:"), ProxyPassword);
    Command9 = new QPushButton(QStringLiteral("Save Password && User"), Frame1[1]);
    accessForm->addRow(Command9);

    Frame3[2] = new QGroupBox(QStringLiteral("E-Mail"), page);
    auto* mailForm = new QFormLayout(Frame3[2]);
    auto* sites = new QHBoxLayout;
    makeOptions(Option2, {QStringLiteral("Site 1"), QStringLiteral("Site 2"), QStringLiteral("Site 3")}, Frame3[2],
                sites);
    Option2[0]->setChecked(true);
    mailForm->addRow(sites);
    const QStringList boxes{QStringLiteral("Host Name:"), QStringLiteral("User Name:"), QStringLiteral("Password:")};
    for (int i = 0; i < 3; ++i) {
        Text3[i] = new QLineEdit(Frame3[2]);
        mailForm->addRow(boxes[i], Text3[i]);
    }
    Text3[2]->setEchoMode(QLineEdit::Password);
    Command5 = new QPushButton(QStringLiteral("Save Site Info"), Frame3[2]);
    Command8 = new QPushButton(QStringLiteral("Delete Site"), Frame3[2]);
    auto* accountButtons = new QHBoxLayout;
    accountButtons->addWidget(Command5);
    accountButtons->addWidget(Command8);
    mailForm->addRow(accountButtons);
    Combo4 = new QComboBox(Frame3[2]);
    mailForm->addRow(QStringLiteral("Email Alert:"), Combo4);

    auto* grid = new QGridLayout(page);
    grid->addWidget(Frame1[2], 0, 0);
    grid->addWidget(Frame1[1], 0, 1);
    grid->addWidget(Frame3[2], 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* Form2::buildSettingsTab()
{
    auto* page = new QWidget(this);

    Frame1[4] = new QGroupBox(QStringLiteral("Site Refresh"), page);
    auto* refreshForm = new QFormLayout(Frame1[4]);
    Combo1 = new QComboBox(Frame1[4]);
    Combo1->addItems({QStringLiteral("60 Minutes"), QStringLiteral("45 Minutes"), QStringLiteral("30 Minutes"),
                      QStringLiteral("15 Minutes"), QStringLiteral("10 Minutes"), QStringLiteral("05 Minutes"),
                      QStringLiteral("04 Minutes"), QStringLiteral("03 Minutes"), QStringLiteral("02 Minutes"),
                      QStringLiteral("01 Minute")});
    refreshForm->addRow(QStringLiteral("Update Every:"), Combo1);

    Frame3[1] = new QGroupBox(QStringLiteral("Weather Settings"), page);
    auto* weatherForm = new QFormLayout(Frame3[1]);
    Combo2 = new QComboBox(Frame3[1]);
    weatherForm->addRow(QStringLiteral("Weather Alert:"), Combo2);
    Combo3 = new QComboBox(Frame3[1]);
    Combo3->addItems({QStringLiteral("Fast"), QStringLiteral("Medium"), QStringLiteral("Slow")});
    weatherForm->addRow(QStringLiteral("Animation Speed:"), Combo3);
    Check8 = new QCheckBox(QStringLiteral("Warning Icon Blinks"), Frame3[1]);
    Check8->setChecked(true);
    weatherForm->addRow(Check8);

    Frame1[7] = new QGroupBox(page);
    auto* zipForm = new QFormLayout(Frame1[7]);
    Text2 = new QLineEdit(QStringLiteral("75067"), Frame1[7]);
    zipForm->addRow(QStringLiteral("Zip Code:"), Text2);

    Frame1[5] = new QGroupBox(QStringLiteral("Digital Display Color"), page);
    auto* digitRows = new QGridLayout(Frame1[5]);
    // Samples of the digital display's four digit colours: green, red, yellow, cyan.
    const QStringList digitColours{QStringLiteral("#22d422"), QStringLiteral("#ff3030"), QStringLiteral("#ffd21f"),
                                   QStringLiteral("#20e0f0")};
    for (int i = 0; i < 4; ++i) {
        Option6[i] = new QRadioButton(Frame1[5]);
        DColor[i] = new QLabel(QStringLiteral("88"), Frame1[5]);
        DColor[i]->setStyleSheet(QStringLiteral("background: black; color: %1; font: bold 14px monospace;"
                                                " padding: 1px 4px;").arg(digitColours[i]));
        DColor[i]->setBuddy(Option6[i]);
        auto* pair = new QHBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(Option6[i]);
        pair->addWidget(DColor[i]);
        pair->addStretch();
        digitRows->addLayout(pair, i / 2, i % 2);
    }

    Frame1[3] = new QGroupBox(QStringLiteral("Secondary PopUp Window"), page);
    auto* popupRows = new QVBoxLayout(Frame1[3]);
    makeOptions(Option5, {QStringLiteral("Mini - Weather"), QStringLiteral("Digital - Weather"),
                          QStringLiteral("Analog - Weather"), QStringLiteral("None")}, Frame1[3], popupRows);

    Frame1[0] = new QGroupBox(QStringLiteral("Conditions Log"), page);
    auto* logRows = new QVBoxLayout(Frame1[0]);
    Check2 = new QCheckBox(QStringLiteral("Log Checked Sites"), Frame1[0]);
    Check3 = new QCheckBox(QStringLiteral("Use Separate Log Files"), Frame1[0]);
    Check4 = new QCheckBox(QStringLiteral("Use Short Format"), Frame1[0]);
    for (QCheckBox* box : {Check2, Check3, Check4})
        logRows->addWidget(box);

    Frame2 = new QGroupBox(QStringLiteral("Weather Text Display"), page);
    auto* colourGrid = new QGridLayout(Frame2);
    Check5 = new QCheckBox(QStringLiteral("Use Selected Colors"), Frame2);
    Check5->setChecked(true);
    Label2[1] = new QLabel(QStringLiteral("Text Color:"), Frame2);
    Label2[2] = new QLabel(QStringLiteral("Back Color:"), Frame2);
    Label2[3] = swatch(Frame2, kButtonTextColor);
    Label2[4] = swatch(Frame2, kPaleCyan);
    Command4[0] = new QPushButton(QStringLiteral("..."), Frame2);
    Command4[1] = new QPushButton(QStringLiteral("..."), Frame2);
    colourGrid->addWidget(Check5, 0, 0, 1, 3);
    colourGrid->addWidget(Label2[1], 1, 0);
    colourGrid->addWidget(Label2[3], 1, 1);
    colourGrid->addWidget(Command4[0], 1, 2);
    colourGrid->addWidget(Label2[2], 2, 0);
    colourGrid->addWidget(Label2[4], 2, 1);
    colourGrid->addWidget(Command4[1], 2, 2);

    Frame1[6] = new QGroupBox(page);
    auto* updateRows = new QVBoxLayout(Frame1[6]);
    Check6 = new QCheckBox(QStringLiteral("Keep Last Update"), Frame1[6]);
    Check6->setToolTip(QStringLiteral("If previous update was good and current isn't, keep last."));
    Check7 = new QCheckBox(QStringLiteral("Verify Version On Start"), Frame1[6]);
    updateRows->addWidget(Check6);
    updateRows->addWidget(Check7);

    auto* grid = new QGridLayout(page);
    QVBoxLayout* left = column(grid, 0);
    for (QGroupBox* box : {Frame1[4], Frame3[1], Frame1[7]})
        left->addWidget(box);
    left->addStretch();
    QVBoxLayout* middle = column(grid, 1);
    for (QGroupBox* box : {Frame1[5], Frame1[3]})
        middle->addWidget(box);
    middle->addStretch();
    QVBoxLayout* right = column(grid, 2);
    for (QGroupBox* box : {Frame1[0], Frame2, Frame1[6]})
        right->addWidget(box);
    right->addStretch();
    return page;
}

QWidget* Form2::buildIconTab()
{
    constexpr int kPicture = 36;
    auto* page = new QWidget(this);
    Frame3[0] = new QGroupBox(QStringLiteral("Icon Definitions"), page);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    const QStringList categories{
        QStringLiteral("Sunny/Clear"), QStringLiteral("Partly Cloudy"), QStringLiteral("Cloudy"),
        QStringLiteral("Rain"), QStringLiteral("Drizzle"), QStringLiteral("Fog/Haze"), QStringLiteral("Snow"),
        QStringLiteral("Thunder Storm"), QStringLiteral("Showers"), QStringLiteral("Light Snow"),
        QStringLiteral("Rain/Snow"), QStringLiteral("Mostly Cloudy")};
    // The picture store: day pictures 0-11, the unknown-condition picture 12,
    // the current condition 13 (the unknown picture until one is chosen), the
    // two alert pictures 14 and 15, night pictures 20-31.
    for (int i = 0; i < 32; ++i) {
        if (i >= 16 && i < 20)
            continue;
        Image2[i] = new QLabel(Frame3[0]);
        Image2[i]->setPixmap(conditionPicture(i == 13 ? 12 : i, kPicture));
    }
    for (int i = 0; i < 12; ++i) {
        Option3[i] = new QRadioButton(categories[i], Frame3[0]);
        const int row = i % 6;
        const int at = (i / 6) * 4;
        grid->addWidget(Image2[i], row, at);
        grid->addWidget(Image2[i + 20], row, at + 1);
        grid->addWidget(Option3[i], row, at + 2);
    }
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(7, 1);
    Option3[0]->setChecked(true);
    for (int i : {12, 13, 14, 15})
        Image2[i]->hide();
    for (int i = 0; i < 4; ++i) {
        Image1[i] = new QLabel(Frame3[0]);
        Image1[i]->setPixmap(mailFrame(i, kPicture));
        Image1[i]->hide();
    }
    Label1[9] = new QLabel(QStringLiteral("Select a category to add a new unrecognized title."), Frame3[0]);
    Text4 = new QLineEdit(QStringLiteral("SUNNY"), Frame3[0]);
    Command6 = new QPushButton(QStringLiteral("Add Definition"), Frame3[0]);
    Command7 = new QPushButton(QStringLiteral("Restore Originals"), Frame3[0]);
    auto* add = new QHBoxLayout;
    add->addWidget(Text4, 1);
    add->addWidget(Command6);
    add->addWidget(Command7);

    auto* inside = new QVBoxLayout(Frame3[0]);
    inside->addLayout(grid);
    inside->addSpacing(12);
    inside->addWidget(Label1[9]);
    inside->addLayout(add);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame3[0]);
    layout->addStretch();
    return page;
}
