#include "options/alert_settings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/sound_player.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class AlertSettingsTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        DialogSeam seam;
        seam.message = [this](const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        };
        seam.color = [this](const QColor& initial) {
            offered = initial;
            return chosen;
        };
        setDialogSeam(seam);
    }
    void TearDown() override
    {
        SoundPlayer::instance().listener = nullptr;
        SandboxTest::TearDown();
    }
    QColor offered;
    std::optional<QColor> chosen;
};

} // namespace

TEST(DefinitionTitles, UpperCaseWithoutOuterBlanks)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"  hail  ", "HAIL"}, {"x", "X"}, {"x   ", "X"}, {"  freezing rain", "FREEZING RAIN"},
        {"    ", " "},        {"", ""},   {" a b ", "A B"}};
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(definitionTitle(typed), stored) << typed.toStdString();
    EXPECT_FALSE(isDefinableTitle(" "));
    EXPECT_FALSE(isDefinableTitle(""));
    EXPECT_TRUE(isDefinableTitle("X"));

    std::vector<QString> names{QString()};
    std::vector<int> categories{0};
    appendDefinition(names, categories, "HAIL", 6); // fills the empty element
    appendDefinition(names, categories, "HAIL", 3); // no test for a title already defined
    EXPECT_EQ(names, (std::vector<QString>{"HAIL", "HAIL"}));
    EXPECT_EQ(categories, (std::vector<int>{6, 3}));
}

TEST_F(AlertSettingsTest, AddDefinitionStoresTheTitleAndSaysSoOnlyWhenSaved)
{
    Form2& options = form2();
    options.Option3[6]->setChecked(true);
    EXPECT_EQ(program().IconCategorySel, 6);
    options.Text4->clear();
    for (QChar c : QString("  hail  ")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(options.Text4, &press);
    }
    EXPECT_EQ(options.Text4->text(), "  HAIL  "); // typed letters come out in upper case
    options.Command6_Click();
    EXPECT_EQ(options.Text4->text(), "HAIL");
    EXPECT_EQ(readFile("CVIcons.cvd"), "[ICON DEFS]\r\nHAIL\r\n6\r\n[END]\r\n");
    ASSERT_EQ(messageTexts(), QStringList{"New definition saved!"});
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);

    options.Text4->setText("   ");
    options.Command6_Click();
    EXPECT_EQ(messageTexts().last(), "Nothing to do!");
    EXPECT_EQ(program().IconName.size(), 1u);

    // CVIcons.cvd cannot keep a comma or a double quote: such a title is
    // refused and stays in the box as typed.
    for (const QString typed : {"hail, small", "\"hail\"", ","}) {
        options.Text4->clear();
        for (QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(options.Text4, &press);
        }
        options.Command6_Click();
        EXPECT_EQ(messageTexts().last(),
                  "A condition cannot hold a comma or a double quote: its file would split it there.");
        EXPECT_EQ(options.Text4->text(), typed.toUpper());
    }
    EXPECT_EQ(readFile("CVIcons.cvd"), "[ICON DEFS]\r\nHAIL\r\n6\r\n[END]\r\n");
    EXPECT_EQ(program().IconName.size(), 1u);

    // A file that cannot be written: the user is told, and the definition
    // is in use for this run all the same.
    QFile::remove(path("CVIcons.cvd"));
    QDir().mkpath(path("CVIcons.cvd/blocked"));
    messages.clear();
    options.Text4->setText("sleet");
    options.Command6_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("could not be saved"));
    EXPECT_EQ(program().IconName, (std::vector<QString>{"HAIL", "SLEET"}));
}

TEST_F(AlertSettingsTest, RestoreOriginalsAsksThenDropsTheFileAndTheTables)
{
    writeLines("CVIcons.cvd", {"[ICON DEFS]", "HAIL", "6", "[END]"});
    Form2& options = form2();
    ASSERT_EQ(program().IconName, std::vector<QString>{"HAIL"});
    answer = MsgResult::Cancel;
    options.Command7_Click();
    ASSERT_EQ(messageTexts(), QStringList{"Are you sure?"});
    EXPECT_EQ(messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(messages[0].defaultButton, MsgDefault::First);
    EXPECT_TRUE(QFile::exists(path("CVIcons.cvd")));

    answer = MsgResult::Ok;
    options.Command7_Click();
    EXPECT_FALSE(QFile::exists(path("CVIcons.cvd")));
    EXPECT_EQ(program().IconName, std::vector<QString>{QString()});
    EXPECT_EQ(messageTexts().last(), "Original configuration restored!");
    options.Command7_Click(); // no file: the same report
    EXPECT_EQ(messageTexts().last(), "Original configuration restored!");

    // A file that cannot be deleted is not reported as restored.
    program().IconName = {"HAIL"};
    QDir().mkpath(path("CVIcons.cvd/blocked"));
    options.Command7_Click();
    EXPECT_TRUE(messageTexts().last().contains("could not be deleted"));
    EXPECT_EQ(program().IconName, std::vector<QString>{"HAIL"});
}

TEST_F(AlertSettingsTest, ColourChoosersRecolourTheSwatchAndTheTickerUnlessCancelled)
{
    Form2& options = form2();
    Form1& main = form1();
    setBackColor(options.Label2[3], kRed);
    options.Command4_Click(0); // cancelled
    EXPECT_EQ(offered, toQColor(kRed));
    EXPECT_EQ(backColor(options.Label2[3]), kRed);

    chosen = QColor(10, 20, 30);
    const ColorValue picked = fromQColor(*chosen);
    options.Command4_Click(0);
    EXPECT_EQ(backColor(options.Label2[3]), picked);
    EXPECT_EQ(foreColor(main.Label1[0]), picked);
    options.Check5->setChecked(false); // the chooser works whatever the box says
    options.Command4_Click(1);
    EXPECT_EQ(backColor(options.Label2[4]), picked);
    EXPECT_EQ(backColor(main.Picture1[0]), picked);
    EXPECT_EQ(backColor(main.Picture1[1]), picked);
    chosen = QColor(200, 0, 0);
    options.Command4_Click(2); // no such button
    EXPECT_EQ(backColor(options.Label2[4]), picked);
}

TEST_F(AlertSettingsTest, ASoundWithAnUpperCaseExtensionPlays)
{
    writeFile("Sounds/LOUD.WAV", "RIFF");
    QStringList played;
    SoundPlayer::instance().listener = [&](const QString& file) { played << file; };
    Form2& options = form2();
    options.show();
    options.Combo2->setCurrentText("LOUD");
    ASSERT_EQ(played.size(), 1);
    EXPECT_EQ(played[0], path("Sounds/LOUD.WAV"));
}
