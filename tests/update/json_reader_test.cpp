#include "update/json_reader.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The whole text is one well-formed JSON value.
bool wellFormed(QByteArrayView text)
{
    JsonReader json(text);
    return json.skip() && json.atEnd();
}

} // namespace

TEST(JsonReader, PassesOverWellFormedTextsOnly)
{
    const QByteArray deep = QByteArray(512, '[') + QByteArray(512, ']');
    const QByteArray tooDeep = QByteArray(513, '[') + QByteArray(513, ']');
    struct Case {
        const char* name;
        QByteArray text;
        bool wellFormed;
    } const cases[] = {
        {"every kind of value", R"( {"a": [1, -2.5e+3, 0, 1E2, true, false, null, "x\"\\\/\b\f\n\r\t\u00e9"],
                                     "b": {}, "c": []} )", true},
        {"512 levels", deep, true},
        {"513 levels", tooDeep, false},
        {"nothing", "", false},
        {"cut off in an object", R"({"a": 1)", false},
        {"cut off in a string", R"({"a": "cut)", false},
        {"cut off in an escape", R"(["\u00)", false},
        {"a key without a value", R"({"a": })", false},
        {"a key without a colon", R"({"a" 1})", false},
        {"a comma before the end", R"({"a": 1,})", false},
        {"a comma before the end of an array", "[1,]", false},
        {"a key that is no string", "{a: 1}", false},
        {"a number with a leading zero", "[01]", false},
        {"a number without digits after its point", "[1.]", false},
        {"a minus alone", "[-]", false},
        {"a number without its exponent", "[1e]", false},
        {"a misspelt word", "[tru]", false},
        {"an unknown escape", R"(["\x"])", false},
        {"a bad hexadecimal digit", R"(["\u12G4"])", false},
        {"a line break inside a string", "[\"two\nlines\"]", false},
        {"more after the value", "{} {}", false},
        {"an HTML page", "<html></html>", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wellFormed(c.text), c.wellFormed) << c.name;
}

TEST(JsonReader, ReadsStringsAndKeysDecoded)
{
    // A broken character before an escape reads as a replacement character.
    const QByteArray text = R"({"plain": "Fort Worth", "t\u0065xt": "a\"b\\c\/d\n\tÉtoile \u00e9 \ud83c\udf00 )"
                            "\xC3" R"(\n end", "number": 12, "nested": {"plain": "inner"}})";
    JsonReader json(text);
    QStringList keys;
    QString plain, decoded, number;
    const bool read = json.readObject([&](QByteArrayView key) {
        keys << QString::fromUtf8(key);
        if (key == "plain")
            return json.readText(plain);
        if (key == "text")
            return json.readText(decoded);
        if (key == "number")
            return json.readText(number);
        return json.skip();
    });
    EXPECT_TRUE(read && json.atEnd());
    EXPECT_EQ(keys, (QStringList{"plain", "text", "number", "nested"}));
    EXPECT_EQ(plain, "Fort Worth");
    EXPECT_EQ(decoded, QString::fromUtf8("a\"b\\c/d\n\tÉtoile é \U0001F300 \uFFFD\n end"));
    EXPECT_EQ(number, ""); // no string: skipped
}

TEST(JsonReader, EveryCallAfterAFaultFails)
{
    // Each text fails its first call with the reading point left before a
    // value that would read well on its own.
    const auto skipEach = [](JsonReader& json) { return json.readObject([&](QByteArrayView) { return json.skip(); }); };
    struct Case {
        const char* name;
        QByteArray text;
        std::function<bool(JsonReader&)> firstCall;
    } const cases[] = {
        {"a key without a colon", R"({"a" 1})", skipEach},
        {"a key without a colon, before an object", R"({"a" {"b": [2]}})", skipEach},
        {"a member that gives up", R"({"a": 1})",
         [](JsonReader& json) { return json.readObject([](QByteArrayView) { return false; }); }},
        {"no object", "1", skipEach},
        {"an element that gives up", "[1]", [](JsonReader& json) { return json.readArray([] { return false; }); }},
        {"elements without a comma", "[1 [2]]",
         [](JsonReader& json) { return json.readArray([&] { return json.skip(); }); }},
        {"no array", "1", [](JsonReader& json) { return json.readArray([&] { return json.skip(); }); }},
    };
    for (const Case& c : cases) {
        JsonReader json(c.text);
        EXPECT_FALSE(c.firstCall(json)) << c.name;
        QString text = "kept";
        EXPECT_FALSE(json.skip()) << c.name;
        EXPECT_FALSE(json.readText(text)) << c.name;
        EXPECT_EQ(text, "") << c.name;
        EXPECT_FALSE(json.readObject([&](QByteArrayView) { return json.skip(); })) << c.name;
        EXPECT_FALSE(json.readArray([&] { return json.skip(); })) << c.name;
        EXPECT_FALSE(json.atString()) << c.name;
        EXPECT_FALSE(json.atEnd()) << c.name;
    }
}
