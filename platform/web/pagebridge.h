// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The two ways the program reaches the page's script (ConvertitorePage in page.js), with texts
// in UTF-8: it reads a text (a control's, or one of the regional settings), and it asks the
// page to do something with a text.
namespace platform::page {

// "control" with a control's index, or a regional setting's name.
std::string read(const char* what, int index = 0);
// "setText", "appendListEntry", "showFailure", "ready".
void call(const char* what, int index = 0, const std::string& text = {});

} // namespace platform::page
