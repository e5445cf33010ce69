#include "pages/page_text.h"

#include <gtest/gtest.h>

namespace {

struct RemovalCase {
    const char* name;
    bool (*remove)(QString&);
    QString page;
    std::optional<QString> kept; // nullopt: refused, the page left as it was
};

} // namespace

TEST(PageTextCleaning, TagsAndNumericReferencesAreRemoved)
{
    const RemovalCase cases[] = {
        {"tags between text", removeTags, "a<b>c</b>d", "acd"},
        {"a tag opened inside a tag ends at the first close", removeTags, "<<b>>x", ">x"},
        {"a close without an open stays", removeTags, "a>b", "a>b"},
        {"a tag at the very end", removeTags, "abc<>", "abc"},
        {"an empty page", removeTags, "", ""},
        {"an unclosed tag refuses the page", removeTags, "a<b>c<d", std::nullopt},
        {"a reference between text", removeNumericReferences, "Moon&#8217;s", "Moons"},
        {"no digits", removeNumericReferences, "x&#;y&#abc;z", "xyz"},
        {"a number far too big for any character", removeNumericReferences, "a&#99999999999999999999999;b", "ab"},
        {"a reference at the very end", removeNumericReferences, "abc&#169;", "abc"},
        {"references brought together by removals", removeNumericReferences, "A&&#38;#65;B", "AB"},
        {"three in a row brought together", removeNumericReferences, "&&#1;&#2;#3;x", "x"},
        {"an ampersand or a hash alone stays", removeNumericReferences, "& #1; &&#1;; #&#1;&", "& #1; &; #&"},
        {"a reference without its end refuses the page", removeNumericReferences, "abc&#65", std::nullopt},
        {"a reference left open at the very end", removeNumericReferences, "abc&#", std::nullopt},
        {"a reference brought together without an end", removeNumericReferences, "&&#1;#x", std::nullopt},
    };
    for (const RemovalCase& c : cases) {
        QString page = c.page;
        EXPECT_EQ(c.remove(page), c.kept.has_value()) << c.name;
        EXPECT_EQ(page, c.kept.value_or(c.page)) << c.name;
    }
}
