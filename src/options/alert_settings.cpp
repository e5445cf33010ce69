// The options that act at once, before the dialog is saved: sound previews,
// the animation speed, the colours, the digit colour and the user's own
// condition definitions.
#include "options/alert_settings.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/program_folder.h"
#include "platform/user_dialogs.h"
#include "platform/color_values.h"
#include "platform/list_safe_text.h"
#include "platform/waits.h"
#include "settings/icon_definitions.h"
#include "settings/program_state.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/string_routines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QValidator>

namespace {

// Every character typed or pasted into the title box becomes upper case.
class UpperCase : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

void previewSound(const Form2& options, const QComboBox* list)
{
    if (options.isVisible() && list->currentText() != QLatin1String("(none)"))
        Play_Sound(list->currentText() + QStringLiteral(".wav"));
}

} // namespace

QString definitionTitle(const QString& typed)
{
    QString title = typed.toUpper();
    while (title.size() >= 2) {
        if (title.front() == QLatin1Char(' '))
            title.remove(0, 1);
        else if (title.back() == QLatin1Char(' '))
            title.chop(1);
        else
            break;
    }
    return title;
}

bool isDefinableTitle(const QString& title)
{
    return !title.isEmpty() && title != QLatin1String(" ");
}

void appendDefinition(std::vector<QString>& names, std::vector<int>& categories, const QString& title,
                      int category)
{
    if (names.empty() || !names.back().isEmpty())
        names.emplace_back();
    categories.resize(names.size());
    names.back() = title;
    categories.back() = category;
}

void Form2::connectAlertSettings()
{
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    connect(Combo3, &QComboBox::currentIndexChanged, this, [this] { Combo3_Click(); });
    connect(Combo4, &QComboBox::currentIndexChanged, this, [this] { Combo4_Click(); });
    connect(Check5, &QCheckBox::toggled, this, [this] { Check5_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(Option6[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option6_Click(i);
        });
    for (int i = 0; i < 2; ++i)
        connect(Command4[i], &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
    for (int i = 0; i < 12; ++i)
        connect(Option3[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option3_Click(i);
        });
    Text4->setValidator(new UpperCase(Text4));
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
}

void Form2::Combo2_Click()
{
    previewSound(*this, Combo2);
}

void Form2::Combo4_Click()
{
    previewSound(*this, Combo4);
}

void Form2::Combo3_Click()
{
    const int speed = Combo3->currentIndex();
    if (speed >= 0 && speed <= 2)
        weather().Timer1->setInterval(animationStep(program().AnimKind, speed));
}

void Form2::Command4_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    QLabel* swatch = Label2[Index == 0 ? 3 : 4];
    const std::optional<QColor> chosen = chooseColor(toQColor(backColor(swatch)));
    if (!chosen)
        return;
    const ColorValue color = fromQColor(*chosen);
    setBackColor(swatch, color);
    Form1& main = form1();
    if (Index == 0) {
        setForeColor(main.Label1[0], color);
    } else {
        setBackColor(main.Picture1[0], color);
        setBackColor(main.Picture1[1], color);
    }
}

void Form2::Check5_Click()
{
    if (!Check5->isChecked()) {
        setBackColor(Label2[4], kPaleCyan);
        setBackColor(Label2[3], kButtonTextColor);
    }
}

void Form2::Option6_Click(int Index)
{
    program().DigitColorIndex = Index;
    QString error;
    if (!Save_Reg(QStringLiteral("DigitColor"), QString::number(Index), &error))
        reportStoreNotSaved(error);
    // A window not yet loaded takes the colour when it loads.
    if (wethWindLoaded()) {
        wethWind().DigitColorChange();
        form1().Display_Digital();
    }
}

void Form2::Option3_Click(int Index)
{
    program().IconCategorySel = Index;
}

void Form2::Command6_Click()
{
    const QString title = definitionTitle(Text4->text());
    Text4->setText(title);
    if (!isDefinableTitle(title)) {
        MsgBox(QStringLiteral("Nothing to do!"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (const QString refusal = listSeparatorRefusal(QStringLiteral("A condition"), title); !refusal.isEmpty()) {
        MsgBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    ProgramState& state = program();
    appendDefinition(state.IconName, state.IconCategory, title, state.IconCategorySel);
    const bool saved = Save_IconDefs(); // a failure has been reported; the definition stays for this run
    DoEvents();
    if (saved)
        MsgBox(QStringLiteral("New definition saved!"), MsgButtons::Ok, MsgIcon::Exclamation);
}

void Form2::Command7_Click()
{
    if (MsgBox(QStringLiteral("Are you sure?"), MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Cancel)
        return;
    const QString file = programPath(QStringLiteral("CVIcons.cvd"));
    if (QFile::exists(file)) {
        if (!QFile::remove(file)) {
            MsgBox(QStringLiteral("%1 could not be deleted: your own definitions stay in use.")
                       .arg(QDir::toNativeSeparators(file)),
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        program().IconName = {QString()};
        program().IconCategory = {0};
    }
    MsgBox(QStringLiteral("Original configuration restored!"), MsgButtons::Ok, MsgIcon::Exclamation);
}
