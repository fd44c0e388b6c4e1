// SPDX-License-Identifier: MIT
#include "platform/utf8.h"
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
        INFO(row.tag);
        CHECK(platform::utf8FromUtf16(row.utf16) == row.utf8);
        CHECK(platform::utf16FromUtf8(row.utf8) == row.utf16);
    }
}
