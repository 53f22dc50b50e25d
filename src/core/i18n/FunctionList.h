// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace gx508 {

// The three item lists of the assignment menu whose texts depend on the language: multimedia
// keys (8 items), office shortcuts (10) and Windows functions (7), each in menu order.
enum class FunctionList { Multimedia, Office, Windows };

// The number of items of a list.
int FunctionListSize(FunctionList list);

// The text of item k of a list in the language of `code`, chosen when the menu is built:
// "CHS", "CHT" and "DE" take their own texts, every other code (including "chs" and "") the
// English ones. Empty for k outside the list.
std::string_view FunctionListText(FunctionList list, int k, std::string_view code);

}  // namespace gx508
