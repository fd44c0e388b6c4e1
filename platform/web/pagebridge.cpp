// SPDX-License-Identifier: MIT
#include "platform/web/pagebridge.h"

#include <emscripten/emscripten.h>

// clang-format off
// Emscripten from 3.1.35 on links its runtime's helpers only where the code that calls them says
// so; earlier ones, Debian 12's among them, link them always and have no such declaration.
#ifdef EM_JS_DEPS
EM_JS_DEPS(pagebridge, "$UTF8ToString,$lengthBytesUTF8,$stringToUTF8");
#endif
EM_JS(int, pageTextLength, (const char* what, int index), {
    return lengthBytesUTF8(ConvertitorePage.read(UTF8ToString(what), index));
});
EM_JS(void, pageTextCopy, (const char* what, int index, char* out, int size), {
    stringToUTF8(ConvertitorePage.read(UTF8ToString(what), index), out, size);
});
EM_JS(void, pageCall, (const char* what, int index, const char* text), {
    ConvertitorePage.call(UTF8ToString(what), index, UTF8ToString(text));
});
// clang-format on

namespace platform::page {

std::string read(const char* what, int index)
{
    const int length = pageTextLength(what, index);
    std::string text(std::size_t(length) + 1, '\0');
    pageTextCopy(what, index, text.data(), length + 1);
    text.resize(std::size_t(length));
    return text;
}

void call(const char* what, int index, const std::string& text)
{
    pageCall(what, index, text.c_str());
}

} // namespace platform::page
