#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "test_support.h"
#include "update/report_processing.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

namespace {

class AlternateLookupTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        installShipped("States_Cities.cvd");
        installShipped("alter1.cvd");
        addWatchEntry(form2().List3, "Texas - WACO TX", false);
        addWatchEntry(form2().List3, "Texas - NOWHERE TX", false);
        program().SlotEntry = {"Texas - WACO TX", "Texas - NOWHERE TX"};
        form1().IgnoreUV->setChecked(true);
        form1().IgnoreWarnings->setChecked(true);
    }
};

// A conditions row: name, 13 skipped columns, temperature 5, humidity 6, wind 15, sky.
QString conditionsRow(const QString& name, const QString& temp, const QString& humidity, const QString& wind,
                      const QString& sky)
{
    return name + QString(13, ' ') + temp.leftJustified(5) + humidity.leftJustified(6) + wind.leftJustified(15)
        + sky + "\n";
}

} // namespace

TEST_F(AlternateLookupTest, AStationWithoutAReadingIsFoundInTheConditionsFile)
{
    program().AltText = "CURRENT CONDITIONS\n" + conditionsRow("WACO", "50", "65%", "NORTH at 10", "light rain");
    Process_Reports(/*celsius=*/false);
    Form1& main = form1();
    EXPECT_EQ(main.Label2[0]->text(), "WACO TX");
    EXPECT_EQ(main.Label3[0]->text(), "LIGHT RAIN");
    EXPECT_EQ(main.Label4[0]->text(), "50");
    EXPECT_EQ(main.Label5[0]->text(), "NR");
    EXPECT_EQ(main.Label6[0]->text(), "65");
    EXPECT_EQ(main.Label7[0]->text(), "N10");
    EXPECT_EQ(main.Label8[0]->text(), "NR");
    EXPECT_EQ(main.Label9[0]->text(), "Alternate Site Used");
    EXPECT_EQ(main.Label9[1]->text(), "Alternate Site N/F");
    EXPECT_TRUE(program().AltText.isEmpty()); // it serves one pass only
}

TEST_F(AlternateLookupTest, MetricRowsAndAFileWithoutTheRow)
{
    program().AltText = conditionsRow("WACO", "50", "65", "NORTH at 10", "fair");
    Process_Reports(/*celsius=*/true);
    EXPECT_EQ(form1().Label4[0]->text(), "10");
    EXPECT_EQ(form1().Label7[0]->text(), "N16");

    Process_Reports(/*celsius=*/true); // a row with readings and no new page keeps them
    EXPECT_EQ(form1().Label9[0]->text(), "Alternate Site Used");
    form1().Label4[0]->clear();
    program().KeepLastOn = 0; // otherwise the missing station keeps its row
    Process_Reports(/*celsius=*/true); // no fresh conditions file: the row name is known but its row is not there
    EXPECT_EQ(form1().Label9[0]->text(), "Alternate Site N/R");
}
