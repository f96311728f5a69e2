#pragma once
// Text as it goes into an HTML page.

#include <cstdint>
#include <string>
#include <string_view>

// A stored colour (0x00BBGGRR) as six hex digits red, green, blue: 255 gives
// "FF0000". A value that needs more than six digits (a negative one, a system
// colour) raises AppError "Invalid procedure call or argument".
std::string HtmlColor(std::int64_t colour);

// Appends text with "&", "<", ">", '"' and "'" written as entities, so that
// names and comments never become markup.
void AppendHtmlText(std::string& out, std::string_view text);
