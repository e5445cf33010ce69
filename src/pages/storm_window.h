#pragma once
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>

class AnimatedPicture;
enum class DownloadOutcome;
class InetControl;
class QFrame;
class QGroupBox;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QStatusBar;

// "Hurricanes & Cyclones": browses the tropical-storm archive by area and
// year; shows a season's or a storm's track map, the storm's track data or
// the intensity legend, and the season's storms.
class Form8 : public QWidget {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    QListWidget* List1 = nullptr; // areas
    QListWidget* List2 = nullptr; // years of the chosen area, newest first
    QListWidget* List3 = nullptr; // storms of the chosen year
    std::array<QLabel*, 8> Label1{}; // "Area:", "Year:" and the storm table's column headings
    std::array<QWidget*, 2> Picture1{}; // the viewport and, inside it, the track map
    QLabel* map() const;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // "Picture", "Data"
    QPlainTextEdit* Text1 = nullptr; // the data box, over the map while "Data" is chosen
    QString Text2;                    // the legend copied into the data box
    QStatusBar* StatusBar1 = nullptr;
    QLabel* panel1 = nullptr;        // the status bar's first panel
    QWidget* Picture3 = nullptr;     // busy indicator
    AnimatedPicture* Gif89a1 = nullptr;
    InetControl* Inet1 = nullptr;
    QMenu* mnuBlankForm8 = nullptr; // the map's right-button menu
    QAction* mnuSLV = nullptr;      // "Show Large View"

    std::array<QString, 3> AreaCode;
    QString FetchItem; // "Storm Data" or "Storm Track Picture"

    // Centres and shows the window and selects the first area.
    void Form_Load();
    void List1_Click();
    void List2_Click();
    void List3_DblClick();
    void Option1_Click(int Index);
    void HScroll1_Change();
    void VScroll1_Change();
    void Inet1_StateChanged(int State);
    void Picture1_MouseDown(int Index, Qt::MouseButton Button, const QPoint& globalAt);
    // Opens the map in a picture window of its own.
    void mnuSLV_Click();

    void Fill_Years(int Area);
    // Fetches a track map and the data that goes with it.
    void Get_Storm(const QString& URL);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The year chosen in List2; empty when none is.
    QString chosenYear() const;
    // The storm line chosen in List3; nullptr when none is.
    const QListWidgetItem* chosenStorm() const;
    // A storm's or a season's map and data; `title` names what the map shows.
    void fetchStorm(const QString& URL, bool storm, const QString& title);
    // The legend for a season; for a storm, its track data.
    void Get_Storm_Data(const QString& IndexURL, bool storm);
    QString Show_Storm_Text(const QString& Text);
    void Fill_Storm_List(const QString& Page, bool& OK);
    DownloadOutcome Get_Track_Picture(const QString& URL, const QString& FileName);
    void setDataText(const QString& text);
    QByteArray mapBytes;  // the map's file as it was fetched
    QString mapFileName;  // and its name
    QString mapTitle;     // and what it shows: the season or the storm line
    bool fetching = false; // Get_Storm is running
};
