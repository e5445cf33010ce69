#include "pages/horoscope_window.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/horoscope.h"
#include "pages/page_fetch.h"
#include "pages/sign_pictures.h"
#include "platform/animated_picture.h"
#include "platform/desktop.h"
#include "platform/inet_control.h"
#include "platform/screen.h"
#include "platform/waits.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

QString Horoscope::Sign;

Horoscope::Horoscope(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = new QLabel(this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    Label1->setFont(heading);
    for (int i = 0; i < 13; ++i) {
        Image2[i] = new QLabel(this);
        if (i > 0) {
            Image2[i]->setPixmap(signPicture(i));
            Image2[i]->hide();
        }
    }
    Image2[0]->setFixedSize(64, 64);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setMinimumSize(360, 140);
    Command1 = new QPushButton(QStringLiteral("Tell Me More"), this);
    connect(Command1, &QPushButton::clicked, this, &Horoscope::Command1_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image2[0], 0, 0);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(Text1, 1, 0, 1, 2);
    layout->addWidget(Command1, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    adjustSize();
}

void Horoscope::Form_Load()
{
    const QPointer<Horoscope> alive(this);
    centreOnScreen(this);
    Set_Sign(Sign);
    show();
    DoEvents();
    if (!alive || programClosing())
        return;
    const std::optional<QString> page = fetchPage(horoscopeAddress(signCode));
    if (!alive || programClosing())
        return;
    if (!page) {
        // A control still running after the failure runs another window's
        // transfer (the one that refused this request as busy): that one is
        // left to finish.
        reportFailure(!form1().Inet1->StillExecuting());
        return;
    }
    Show_Horoscope(*page);
}

void Horoscope::Set_Sign(const QString& name)
{
    if (const ZodiacSign* sign = zodiacSign(name)) {
        signCode = QLatin1String(sign->code);
        Label1->setText(name + QLatin1String(sign->range));
        Image2[0]->setPixmap(Image2[sign->picture]->pixmap());
    }
    setWindowTitle(QStringLiteral("Recovering Horoscope...."));
}

void Horoscope::Show_Horoscope(const QString& Page)
{
    setWindowTitle(QStringLiteral("Processing Horoscope...."));
    const HoroscopeCut cut = cutHoroscope(Page, QDate::currentDate().year());
    switch (cut.outcome) {
    case HoroscopeCut::Outcome::NoDateLine:
        Text1->setPlainText(QStringLiteral("Problem Encountered.  Please try again later."));
        break;
    case HoroscopeCut::Outcome::Broken:
        reportFailure(true);
        break;
    case HoroscopeCut::Outcome::Paragraph:
        setWindowTitle(horoscopeTitle(QDate::currentDate()));
        Text1->setPlainText(cut.text);
        break;
    }
}

void Horoscope::reportFailure(bool endTransfer)
{
    Text1->setPlainText(QStringLiteral("Problem encountered while recovering data.  Try again later."));
    setWindowTitle(QStringLiteral("Error"));
    if (endTransfer) {
        Form1& main = form1();
        main.Inet1->Cancel();
        main.Picture2->hide();
        main.Gif89a1->stop();
    }
    if (!isVisible())
        close();
}

void Horoscope::Command1_Click()
{
    openWithDefaultProgram(horoscopeIndexAddress());
}
