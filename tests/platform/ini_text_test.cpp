#include "platform/ini_text.h"

#include "test_support.h"

#include <QFile>
#include <QSettings>

namespace {

class IniTextTest : public SandboxTest {
protected:
    // What QSettings reads from the bytes, each in a file of its own (QSettings
    // keeps what it read of a path for the whole run).
    IniValues readByQSettings(const QByteArray& bytes)
    {
        const QString file = path(QStringLiteral("store%1.conf").arg(++files_));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        const QSettings settings(file, QSettings::IniFormat);
        IniValues values;
        for (const QString& key : settings.allKeys()) {
            const QVariant value = settings.value(key);
            EXPECT_EQ(value.typeId(), QMetaType::QString) << key.toStdString();
            values.insert(key, value.toString());
        }
        return values;
    }

private:
    int files_ = 0;
};

std::string shown(const IniValues& values)
{
    QStringList lines;
    for (auto it = values.begin(); it != values.end(); ++it) {
        QString codes;
        for (QChar c : it.value())
            codes += QString::number(c.unicode(), 16) + QLatin1Char(' ');
        lines << it.key() + " = {" + codes.trimmed() + "}";
    }
    return lines.join('\n').toStdString();
}

} // namespace

// Files written by hand or by other programs read as QSettings reads them.
TEST_F(IniTextTest, ReadsWhatQSettingsReads)
{
    const std::pair<const char*, QByteArray> files[] = {
        {"CR line ends", "[Sources]\rRadar=http://x/r.gif\rA=1\r"},
        {"mixed line ends", "[S]\r\nA=1\nB=2\r\r\nC=3"},
        {"byte-order mark", "\xEF\xBB\xBF[Sources]\nRadar=http://x/r.gif\n"},
        {"byte-order mark before a key", "\xEF\xBB\xBFtop=1\n[S]\na=2\n"},
        {"percent codes", "[S]\nk%-1=x\nk%+2=y\nk%U-001=z\nk%41%U00e9%2=w\nk%U41=v\nx%zz=u\nk% 3=t\nk%=s\n"},
        {"U+FEFF in values",
         "[S]\na=\xEF\xBB\xBFx\nb=x\\t\xEF\xBB\xBFy\nc=\\t\xEF\xBB\xBFy\nd=p\xEF\xBB\xBFq\ne=\"\xEF\xBB\xBFr\"\n"
         "f=\\\"\xEF\xBB\xBF\n"},
        {"continued lines", "[S]\na=abc\\\n   def\nb=x\\\r\ny\nc=end\\\nd=4\ne=z \\\n"},
        {"quotes across lines, comments",
         "[S]\na=\"x\ny\"\nb=t;comment\nc=\"t;x\" ; note\n;d=1\n  e  =  g h  \n\tf\t=\t2\t\n\x0bg\x0c=3\n"},
        {"escapes", "[S]\na=\\xZ1\nb=\\x41g\nc=\\101\\0q\nd=\\q\\?\\x1F600\\'\ne=\"a\" b  \nf=a b\\t  \ng=x  \\\n"
                    "h=\\a\\b\\f\\n\\r\\v\\\\\ni=\\777\n"},
        {"UTF-8 cut, split and invalid", "[S]\na=ab\xC3\nb=\xC3\"\xBC\"\nc=\xFF\xFE\n\xFF=1\nk\xC3\xBC=2\n[\xC3\xA9]\nx=1\n"},
        {"sections",
         "top=1\n[S]\na=1\n[T] junk\nb=1\n[S]\na=2\n[general]\ng=1\n[%general]\nh=1\n[ U\x0b]\ni=1\n[V\nk=1\n"
         "[a;b]\nn=3\nno equals\n[W%2Fx]\nm=1\n[x=y]\no=1\n"},
        {"an unclosed quote", "[S]\nk=\"a\nb=2\nc=3\"\nd=4\n"},
        {"leading @", "[S]\nv=@@x\nw=@x\nx=\"@@y\"\n"},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(shown(parseIni(bytes)), shown(readByQSettings(bytes))) << name;

    // U+FEFF, which both take for a byte-order mark where it begins a value's
    // text, is written so that it reads back wherever it stands.
    const QChar mark(0xFEFF);
    const IniValues written = {{"S/a", QString(mark) + "lead"}, {"S/b", "tab\t" + QString(mark) + "1"},
                               {"S/c", QString("\"") + mark}};
    EXPECT_EQ(shown(parseIni(composeIni(written))), shown(written));
    EXPECT_EQ(shown(readByQSettings(composeIni(written))), shown(written));
}

// Where the store reads otherwise than QSettings, as ini_text.h says.
TEST(IniText, AnUnquotedCommaAndATypedValueStayText)
{
    const IniValues values = parseIni("[S]\na=x, y\nb=http://h/q?a=1,b=2\nc=@String(abc)\n");
    EXPECT_EQ(values.value("S/a"), "x, y");
    EXPECT_EQ(values.value("S/b"), "http://h/q?a=1,b=2");
    EXPECT_EQ(values.value("S/c"), "@String(abc)");
    EXPECT_EQ(parseIni(composeIni(values)), values);
}
