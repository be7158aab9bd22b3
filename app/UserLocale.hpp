#pragma once

#include <locale>

// The locale the player's environment asks for, or the classic one when the
// environment names a locale this machine does not have.
std::locale MakeUserLocale();
