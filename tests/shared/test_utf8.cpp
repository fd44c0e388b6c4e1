// SPDX-License-Identifier: MIT
#include "platform/numbers/utf8.h"
#include "testsupport.h"

// Every text the browser program shows or reads crosses between the page's UTF-8 and UTF-16.
TEST_CASE("Texts cross between UTF-8 and UTF-16 unchanged")
{
    const struct {
        const char* tag;
        std::u16string utf16;
        std::string utf8;
    } rows[] = {
        { "ascii", u"1.701", "1.701" },
        { "two bytes", u"non può", "non pu\xc3\xb2" },
        { "three bytes", u"1\u2019701",
            "1\xe2\x80\x99"
            "701" },
        { "surrogate pair", u"\U0001F4F7", "\xf0\x9f\x93\xb7" },
        { "empty", u"", "" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(platform::utf8FromUtf16(row.utf16) == row.utf8);
        CHECK(platform::utf16FromUtf8(row.utf8) == row.utf16);
    }
}

// Bytes that are not UTF-8 each give one U+FFFD for their longest ill-formed part, as Unicode
// prescribes, and never take an ASCII byte with them.
TEST_CASE("Ill-formed UTF-8 is replaced, not decoded")
{
    const struct {
        const char* tag;
        std::string utf8;
        std::u16string utf16;
    } rows[] = {
        { "overlong slash", "\xc0\xaf", u"\uFFFD\uFFFD" },
        { "overlong three bytes", "\xe0\x80\xaf", u"\uFFFD\uFFFD\uFFFD" },
        { "encoded surrogate", "\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD" },
        { "past U+10FFFF", "\xf4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
        { "lead past F4", "\xf5\x80", u"\uFFFD\uFFFD" },
        { "truncated at the end", "1\xf0\x9f", u"1\uFFFD" },
        { "stray lead before digits",
            "\xe4"
            "12",
            u"\uFFFD12" },
        { "lead cut short by a digit",
            "\xe2\x80"
            "7",
            u"\uFFFD7" },
        { "lone continuation",
            "\x80"
            "5",
            u"\uFFFD5" },
        { "largest code point", "\xf4\x8f\xbf\xbf", u"\U0010FFFF" },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(platform::utf16FromUtf8(row.utf8) == row.utf16);
    }
}

TEST_CASE("A lone surrogate is written as U+FFFD")
{
    CHECK(platform::utf8FromUtf16(std::u16string { u'1', char16_t(0xD800), u'2' })
        == "1\xef\xbf\xbd"
           "2");
    CHECK(platform::utf8FromUtf16(std::u16string { char16_t(0xDC00) }) == "\xef\xbf\xbd");
}
