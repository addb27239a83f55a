#pragma once

#include <QString>

namespace tallowen {

// The program's own pages: its source repository and its mail address.
inline constexpr const char* kWebPage = "https://git.tallowen.org/tallowen/tallowen";
inline constexpr const char* kMailAddress = "tallowen@tallowen.org";

// Hands a link to the desktop's default handler (browser, mail program). A link the desktop cannot
// open is dropped without a word; the call never waits for the handler.
void openLink(const QString& link);

}  // namespace tallowen
